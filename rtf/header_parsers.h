// Readers of the declaration groups of an RTF document. Each is called right
// after the group's first control word and reads through the group's end.
#pragma once
#include "rtf/formatting.h"
#include "rtf/group_cursor.h"
#include "rtf/header.h"

namespace rtf {

// {\fonttbl ...}: font number -> name and charset (grouped or old ungrouped entries).
void read_font_table(GroupCursor& cursor, Header& header);
// {\colortbl ...}: \red \green \blue entries separated by ";".
void read_color_table(GroupCursor& cursor, Header& header);
// {\stylesheet ...}: paragraph style number -> name and outline level.
void read_style_sheet(GroupCursor& cursor, Header& header);
// {\info ...}: the document title.
void read_info(GroupCursor& cursor, Header& header);
// {\*\listtable ...}: the number format of each level of each list.
void read_list_table(GroupCursor& cursor, Header& header);
// {\*\listoverridetable ...}: which list each \lsN uses.
void read_list_overrides(GroupCursor& cursor, Header& header);
// {\*\pn ...} of a paragraph: old-style bullets and numbering.
void read_paragraph_numbering(GroupCursor& cursor, ParaFormat& para);

}  // namespace rtf

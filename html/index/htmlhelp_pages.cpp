#include "html/index/htmlhelp_pages.h"

namespace html {

namespace {

constexpr std::string_view kHead = "<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n";
constexpr std::string_view kTail = "</BODY>\r\n</HTML>\r\n";

std::string applet(std::string_view command, std::string_view item) {
  std::string out =
      "<applet code=\"HHCtrl.class\" align=\"baseline\" width=\"100%\" height=\"90%\" "
      "name=\"HHCtrl\" archive=\"HHCtrl.zip\">\r\n"
      "<param name=\"background\" value=\"ffffff\">\r\n"
      "<param name=\"cabbase\" value=\"HHCtrl.cab\">\r\n";
  out += "<param name=\"command\" value=\"" + std::string(command) + "\">\r\n";
  out += "<param name=\"flags\" value=\"0x200,0x7\">\r\n";
  out += "<PARAM name=\"item1\" value=\"" + std::string(item) + "\">\r\n";
  out += "</applet>\r\n";
  return out;
}

std::string object_head(const HelpControl& control, std::string_view command,
                        std::string_view item) {
  std::string out = "<OBJECT id=hhctrl type=\"application/x-oleobject\"\r\n";
  out += "classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"\r\n";
  out += "codebase=\"" + control.codebase + "\"\r\n";
  out += "width=100% height=90%\r\n>\r\n";
  out += "<PARAM name=\"Command\" value=\"" + std::string(command) + "\">\r\n";
  out += "<PARAM name=\"Item1\" value=\"" + std::string(item) + "\">\r\n";
  return out;
}

}  // namespace

std::string htmlhelp_index_page(const HelpControl& control, std::string_view hhk_name) {
  std::string out(kHead);
  if (control.java) {
    out += applet("index", hhk_name);
  } else {
    out += object_head(control, "Index", hhk_name);
    out += "</OBJECT>\r\n";  // closed like the contents object
  }
  out += kTail;
  return out;
}

std::string htmlhelp_contents_page(const HelpControl& control, std::string_view hhc_name) {
  std::string out(kHead);
  if (control.java) {
    out += applet("contents", hhc_name);
  } else {
    out += object_head(control, "Contents", hhc_name);
    out += "<PARAM name=\"Flags\" value=\"0x200,0x800001,0xffffff\">\r\n</OBJECT>\r\n";
  }
  out += kTail;
  return out;
}

}  // namespace html

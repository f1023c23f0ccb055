#include "platform/ui/gui/text_edge.h"

#include <QByteArrayView>
#include <QList>
#include <QStringDecoder>

#include "platform/code_pages.h"

namespace ui::gui {

namespace {
constexpr int kCodePage = 1252;
}

QString from_host_text(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char b : bytes) {
    // The five bytes 1252 leaves unassigned stand for the C1 controls, as Windows maps them.
    std::uint32_t cp = platform::unicode_of_byte(b, kCodePage).value_or(b);
    out.append(QChar(static_cast<char16_t>(cp)));
  }
  return out;
}

std::string to_host_text(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (char32_t cp : text.toUcs4()) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (auto b = platform::byte_in_code_page(cp, kCodePage)) {
      out.push_back(static_cast<char>(*b));
    } else if (cp >= 0x80 && cp <= 0x9F) {
      out.push_back(static_cast<char>(cp));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

QString from_output_text(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? from_host_text(bytes) : text;
}

QString from_host_lines(std::string_view bytes) {
  QString text = from_host_text(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string to_host_lines(const QString& text) {
  QString crlf = text;
  crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return to_host_text(crlf);
}

QString caption_text(std::string_view bytes, bool no_prefix) {
  QString text = from_host_text(bytes);
  if (no_prefix) text.replace(QStringLiteral("&"), QStringLiteral("&&"));
  // A TAB in a caption lines up a shortcut key's name; the widgets show a space.
  text.replace(QChar('\t'), QChar(' '));
  return text;
}

}  // namespace ui::gui

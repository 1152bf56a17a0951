#include "form/AboutContent.h"

#include "report/Author.h"

namespace gb {

std::vector<AboutItem> AboutBoxItems() {
  const auto text = [](const char* caption, const char* value) {
    return std::string(caption).append(value);
  };
  return {
      {"img1", AboutItemKind::Logo, "", {21, 11, 90, 90}, 0},
      {"ProductName",
       AboutItemKind::Label,
       "RI 18306-2015《zezevire》 zidazov",
       {136, 11, 0, 0},
       16},
      {"lblVersion", AboutItemKind::Label, "发布日期 : 2026-12-09", {136, 37, 0, 0}, 12},
      {"lbl4", AboutItemKind::Label, text("Author : ", AuthorName), {136, 57, 0, 0}, 12},
      {"lbl2", AboutItemKind::WrappedLabel, AuthorAffiliation, {182, 77, 409, 0}, 12},
      {"lblComments", AboutItemKind::Label, text("E-mail : ", AuthorEmail), {182, 97, 0, 0}, 12},
      {"lbl3", AboutItemKind::Label, text("QQ : ", AuthorMessengerNumber), {182, 117, 0, 0}, 12},
      {"lbl7", AboutItemKind::Label, "Website : ", {182, 137, 0, 0}, 12},
      {"lbl6", AboutItemKind::Link, AuthorWebAddress, {241, 137, 0, 0}, 12},
  };
}

}  // namespace gb

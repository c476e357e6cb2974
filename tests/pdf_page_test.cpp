// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/pdf_page.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPageSize>
#include <QTemporaryDir>
#include <vector>

#include "pdf_text.h"
#include "report/faces.h"

namespace zarandola {
namespace {

using testing::printed_lines;
using testing::PrintedLine;

struct IndentedText {
  int indent;
  QString text;
};

// The lines that pdftotext reads on a page drawn with these margins, at the
// size and resolution of a usual printer.
std::vector<PrintedLine> page_drawn_with(const QMarginsF& margins,
                                         const std::vector<IndentedText>& lines = {{0, "LAS RULETAS ZARANDOLA"}}) {
  PdfPage page(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Point), 1200);
  EXPECT_TRUE(page.is_open());
  QFont font(QString::fromStdString(drawn_face("Comic Sans MS")));
  font.setPointSizeF(14);
  for (const IndentedText& line : lines) page.lines().text_line(font, line.indent, line.text);
  const QTemporaryDir folder;
  QFile file(folder.filePath("page.pdf"));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(page.finish()) > 0);
  file.close();
  return printed_lines(file.fileName());
}

TEST(PdfPage, TheFirstLineStandsAtTheTopLeftOfThePrintableArea) {
  const std::vector<PrintedLine> narrow = page_drawn_with({18, 36, 18, 36});
  const std::vector<PrintedLine> wide = page_drawn_with({90, 144, 18, 36});
  ASSERT_EQ(narrow.size(), 1u);
  ASSERT_EQ(wide.size(), 1u);
  EXPECT_NEAR(narrow[0].left, 18, 1);
  EXPECT_NEAR(narrow[0].top, 36, 1);
  EXPECT_NEAR(wide[0].left - narrow[0].left, 72, 1);
  EXPECT_NEAR(wide[0].top - narrow[0].top, 108, 1);
}

TEST(PdfPage, AnIndentIsThatManyBlanksOfTheFont) {
  const std::vector<PrintedLine> lines =
      page_drawn_with({18, 36, 18, 36}, {{20, "x"}, {0, QString(20, u' ') + "x"}, {0, "x"}});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NEAR(lines[0].left, lines[1].left, 0.5);
  EXPECT_GT(lines[0].left - lines[2].left, 40) << "twenty blanks of a 14-point face";
}

}  // namespace
}  // namespace zarandola

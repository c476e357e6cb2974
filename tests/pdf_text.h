// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace zarandola::testing {

// Runs a command to its end and gives what it wrote; a failure fails the test.
inline QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A line of text as pdftotext finds it on the page, in points from the top left.
struct PrintedLine {
  QString text;  // its words, a blank apart
  double left;
  double top;
  double height;
};

inline std::vector<PrintedLine> printed_lines(const QString& page) {
  const QString layout = run("pdftotext", {"-bbox-layout", page, "-"});
  static const QRegularExpression line_pattern(
      R"re(<line xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">(.*?)</line>)re",
      QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression word_pattern(R"re(<word [^>]*>([^<]*)</word>)re");
  std::vector<PrintedLine> lines;
  for (const auto& line : line_pattern.globalMatch(layout)) {
    QStringList words;
    for (const auto& word : word_pattern.globalMatch(line.captured(4))) words << word.captured(1);
    const double top = line.captured(2).toDouble();
    lines.push_back(
        {words.join(u' ').replace("&amp;", "&"), line.captured(1).toDouble(), top, line.captured(3).toDouble() - top});
  }
  return lines;
}

}  // namespace zarandola::testing

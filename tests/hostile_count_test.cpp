// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a person types as the trial count, "Simular" either runs that many
// trials or says clearly what is wrong and leaves every field as it was.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>
#include <string>

#include "format/number_text.h"
#include "modal_message.h"
#include "recording_printer.h"
#include "scripted_random_source.h"
#include "ui/frmzarandola.h"
#include "window_texts.h"

namespace zarandola {
namespace {

struct HostileCount {
  QString text;
  int trials;           // the run it must give, or 0 for a message
  const char* message;  // a part of that message
};

std::vector<HostileCount> hostile_counts() {
  return {
      {QString(100000, u'7'), 0, "demasiado grande"},
      {QString(100000, u'a'), 0, "no es un número"},
      {QString(100000, u' '), 0, "No se ha escrito"},
      {"\t5", 5, nullptr},
      {" 12 ", 12, nullptr},
      {QStringLiteral(u"5\u0001"), 0, "no es un número"},
      {QStringLiteral(u"\u0000"), 0, "no es un número"},
      {QStringLiteral(u"\u0661\u0662\u0663"), 0, "no es un número"},  // Arabic-Indic digits
      {QStringLiteral(u"\uff11\uff12"), 0, "no es un número"},        // full-width digits
      {QStringLiteral(u"\u2212"
                      "5"),
       0, "no es un número"},  // the minus sign of typesetting
      {"+5", 5, nullptr},
      {"+-5", 0, "no es un número"},
      {"--5", 0, "no es un número"},
      {"++5", 0, "no es un número"},
      {"1.000", 1000, nullptr},
      {"1..000", 0, "no es un número"},
      {".100", 0, "no es un número"},
      {"1.00", 0, "no es un número"},
      {"1.000,5,5", 0, "no es un número"},
      {",,5", 0, "no es un número"},
      {"2,", 2, nullptr},
      {"2147483647", 0, "no caben"},
      {"2147483648", 0, "demasiado grande"},
      {"-2147483649", 0, "demasiado grande"},
      {"1e10", 0, "no es un número"},
      {"0x10", 0, "no es un número"},
      {"NaN", 0, "no es un número"},
      {"inf", 0, "no es un número"},
      {"-Infinity", 0, "no es un número"},
      {QStringLiteral(u"\u221e"), 0, "no es un número"},
      {"0", 0, "número entero"},
      {"-0", 0, "número entero"},
  };
}

TEST(HostileCounts, EachRunsCorrectlyOrLeavesTheWindowAsItWasWithAMessage) {
  testing::ScriptedRandomSource source({0.1f, 0.6f, 0.95f, 0.95f});  // one lemon pair every other trial
  testing::RecordingPrinter printer;
  frmzarandola window(runner_on(source), printer);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* simulate = window.findChild<QPushButton*>("Simular");
  const auto texts = [&] { return testing::texts_of(window); };
  const TextBoxes& boxes = window.text_boxes();
  const auto count_in = [&](const QLineEdit* box) {
    return text_to_int32(box->text().toStdString(), RegionalSettings::spanish());
  };

  for (const HostileCount& hostile : hostile_counts()) {
    const std::string shown = hostile.text.left(20).toStdString();
    boxes.numexp->setText(hostile.text);
    ASSERT_EQ(boxes.numexp->text(), hostile.text) << shown << ": a text box cut what was typed";
    const auto before = texts();
    const std::size_t reseeds_before = source.reseeds;
    const auto message = testing::message_from([&] { simulate->click(); });
    if (hostile.trials > 0) {
      EXPECT_FALSE(message) << shown << ": " << (message ? message->text.toStdString() : "");
      EXPECT_EQ(source.reseeds - reseeds_before, static_cast<std::size_t>(hostile.trials)) << shown;
      EXPECT_EQ(count_in(boxes.limon) + count_in(boxes.manzana) + count_in(boxes.cereza) + count_in(boxes.nopre),
                hostile.trials)
          << shown;
      EXPECT_EQ(boxes.numexp->text(), hostile.text) << shown;
    } else {
      ASSERT_TRUE(message) << shown << " gave no message";
      EXPECT_TRUE(message->text.contains(QString::fromUtf8(hostile.message)))
          << shown << ": " << message->text.toStdString();
      EXPECT_LT(message->text.size(), 400) << shown;
      EXPECT_EQ(texts(), before) << shown;
      EXPECT_EQ(source.reseeds, reseeds_before) << shown;
    }
  }
}

}  // namespace
}  // namespace zarandola

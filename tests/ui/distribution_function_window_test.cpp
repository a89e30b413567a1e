#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "ServicesFixture.h"
#include "persistence/SettingsKeys.h"
#include "shell/NumberText.h"
#include "ui/ChartWindow.h"
#include "ui/DistributionFunctionWindow.h"

using namespace Qt::StringLiterals;

namespace {

QString num(double x) { return QString::fromStdString(formatNumber(x)); }
QColor bgr(std::uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

Histogram fiveBins() {
  Histogram h;
  h.count = 5;
  h.min = 1;
  h.max = 9;
  h.step = 2;
  h.range = 10;
  h.total = 10;
  const double p[] = {0.1, 0.2, 0.4, 0.2, 0.1};
  for (int i = 0; i < 5; ++i) h.p[i] = p[i];
  return h;
}

class DistributionFunctionWindowTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    window = std::make_unique<DistributionFunctionWindow>(*services);
  }
  template <class T>
  T* child(const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QList<qreal> bars() {
    auto* series = child<QChartView>("Chart1L")->chart()->series().at(0);
    QBarSet* set = static_cast<QBarSeries*>(series)->barSets().at(0);
    QList<qreal> v;
    for (int i = 0; i < set->count(); ++i) v.append(set->at(i));
    return v;
  }
  std::unique_ptr<DistributionFunctionWindow> window;
};

TEST_F(DistributionFunctionWindowTest, FiveBinExample) {
  window->Fill(fiveBins(), "Pevnost.dis");
  EXPECT_TRUE(window->isVisible());
  const QList<qreal> b = bars();
  const double expected[] = {0.1, 0.3, 0.7, 0.9, 1.0};
  ASSERT_EQ(b.size(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(b[i], expected[i], 1e-15);
  EXPECT_EQ(window->title(), "Pevnost");

  auto* g = child<QTableWidget>("StringGrid2");
  ASSERT_EQ(g->rowCount() + 1, 12);  // the header row and 2N + 1 rows
  EXPECT_EQ(g->horizontalHeaderItem(0)->text(), u" INT"_s);
  EXPECT_EQ(g->horizontalHeaderItem(1)->text(), u"     x"_s);
  EXPECT_EQ(g->horizontalHeaderItem(2)->text(), u"     F(x)"_s);
  const struct {
    const char* interval;
    double x, F;
  } rows[] = {{"", 0, 0},   {"   1", 1, 0.05}, {"", 2, 0.1}, {"   2", 3, 0.2},
              {"", 4, 0.3}, {"   3", 5, 0.5},  {"", 6, 0.7}, {"   4", 7, 0.8},
              {"", 8, 0.9}, {"   5", 9, 0.95}, {"", 10, 1}};
  for (int r = 0; r < 11; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(g->item(r, 0)->text(), QString::fromLatin1(rows[r].interval));
    EXPECT_EQ(g->item(r, 1)->text(), num(rows[r].x));
    EXPECT_EQ(g->item(r, 2)->text(), num(rows[r].F));
  }
  // Centre rows striped while highlighting is on.
  EXPECT_EQ(g->item(1, 1)->background().color(), bgr(14609886));
  EXPECT_EQ(g->item(2, 1)->background().color(), bgr(services->options.colours.table));
  services->options.highlightRows = false;
  window->Fill(fiveBins(), "Pevnost.dis");
  EXPECT_EQ(g->item(1, 1)->background().color(), bgr(services->options.colours.table));
}

TEST_F(DistributionFunctionWindowTest, SingleBinAndTitles) {
  Histogram h;
  h.count = 1;
  h.min = h.max = 5;
  h.step = 2;
  h.p[0] = 1;
  const auto rows = DistributionFunctionRows(h);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].x, 4);
  EXPECT_EQ(rows[0].F, 0);
  EXPECT_EQ(rows[1].F, 0.5);
  EXPECT_EQ(rows[2].x, 6);
  EXPECT_EQ(rows[2].F, 1);
  EXPECT_EQ(DistributionFunctionTitle("Redukovaná pevnost nadložních hornin "),
            "Redukovaná pevnost nadložních hornin ");
  // Only the extension goes: a name with dots of its own stays whole.
  EXPECT_EQ(DistributionFunctionTitle("a.b"), "a.b");
  EXPECT_EQ(DistributionFunctionTitle("Sirka.dis.old"), "Sirka.dis.old");
  EXPECT_EQ(DistributionFunctionTitle("Gamma_normal_2.6_0.08.dis"), "Gamma_normal_2.6_0.08");
  EXPECT_EQ(DistributionFunctionTitle("Pevnost.DIS"), "Pevnost");
}

TEST_F(DistributionFunctionWindowTest, AngleClearsMarksAndCloseStoresTheSettings) {
  window->Fill(fiveBins(), "Pevnost.dis");
  auto* marks = child<QCheckBox>("CheckBox1");
  marks->click();
  ASSERT_TRUE(marks->isChecked());
  child<QSpinBox>("SpinEdAngle")->setValue(45);
  EXPECT_FALSE(marks->isChecked());
  child<QComboBox>("CBMarks")->setCurrentIndex(4);
  window->close();
  EXPECT_EQ(settings::readInteger(*settings, settings::kDistMarks), 4);
  EXPECT_EQ(settings::readInteger(*settings, settings::kDistAngle), 45);
  EXPECT_EQ(settings::readInteger(*settings, settings::kDistBackground), 16777215);
  EXPECT_EQ(settings->readInteger(settings::kPosition, "KrivkaTrvani-Form12.width", -1), window->width());
}

TEST_F(DistributionFunctionWindowTest, OpenedFromTheChartWindowsButton) {
  ChartWindow chart(*services);
  services->windows.chart = &chart;
  services->windows.distributionFunction = window.get();
  chart.Fill(kSrcLayer, fiveBins(), "Pevnost.dis", 1);
  auto* button = chart.findChild<QPushButton*>(u"KrivkaTrvani"_s);
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->histogram(), chart.histogram());
  EXPECT_EQ(window->title(), DistributionFunctionTitle(chart.histogramName()));
  // The label selector switches the main option and both windows follow.
  auto* sel = child<QComboBox>("CBValInd");
  sel->setCurrentIndex(0);
  emit sel->activated(0);
  EXPECT_TRUE(services->options.axisIndex);
  EXPECT_EQ(window->barLabels()[0], "0");
  services->windows = {};
}

TEST_F(DistributionFunctionWindowTest, LosingActivationCloses) {
  window->Fill(fiveBins(), "Pevnost.dis");
  ASSERT_TRUE(window->isVisible());
  window->Deactivated();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace

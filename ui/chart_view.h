// The risk report's chart in a widget, painted by the same code that writes its files: scaled
// to the widget with its proportions kept, and rendered at the screen's physical pixels, so
// that it stays crisp at any pixel ratio.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

#include "simulation/session_chart.h"

namespace corvane {

class ChartView : public QWidget {
  public:
    explicit ChartView(QWidget* parent);

    // The chart to show; none: the empty frame with `note` in it.
    void set_chart(std::shared_ptr<const SessionChart> chart);
    void set_note(const QString& note);
    const SessionChart* chart() const { return chart_.get(); }

    // Where the chart stands in the widget: the largest rectangle of its proportions, centred,
    // on whole pixels.
    QRect chart_rect() const;

    QSize sizeHint() const override { return {700, 490}; }
    QSize minimumSizeHint() const override { return {300, 210}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::shared_ptr<const SessionChart> chart_;
    QString note_;
    QImage picture_;  // the chart at the size and ratio it was last painted for
};

}  // namespace corvane

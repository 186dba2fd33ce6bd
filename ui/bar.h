// A horizontal percentage bar: filled from the left in proportion to value over maximum, with
// the percentage as centred text where the bar shows it.
#pragma once

#include <QColor>
#include <QWidget>

namespace corvane {

class Bar : public QWidget {
  public:
    Bar(QWidget* parent, const QString& name, QRect geometry, QColor fill, int maximum,
        bool show_text = false);

    void set_value(int value);  // held inside 0..maximum
    int value() const { return value_; }
    int maximum() const { return maximum_; }
    // The percentage as the bar writes it: "45%".
    QString text() const;

    // Paints the bar at the painter's device pixel ratio; its paint event does the same.
    void paint(QPainter& p) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    qreal fill_edge(qreal ratio) const;

    QColor fill_;
    int maximum_;
    bool show_text_;
    int value_ = 0;
};

}  // namespace corvane

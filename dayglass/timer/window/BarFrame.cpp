#include "BarFrame.h"

#include "AccessibleFactory.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace {

class BarFrameAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit BarFrameAccessible(BarFrame *frame)
        : QAccessibleWidget(frame, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return frame()->sharePercent(); }
    // The bar follows the clock alone.
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const BarFrame *frame() const { return static_cast<const BarFrame *>(widget()); }
};

} // namespace

void BarFrame::installAccessibleInterface() {
    ::installAccessibleInterface<BarFrame, BarFrameAccessible>();
}

void BarFrame::showShare(CountdownState state, int barPercent) {
    // After the end the bar grows with the overrun, which the tick hands over
    // as a negative share.
    const bool ended = state == CountdownState::Ended;
    const int share = ended ? -barPercent : barPercent;
    if (share == m_sharePercent && ended == m_ended)
        return;
    m_sharePercent = share;
    m_ended = ended;
    setAccessibleName((ended ? tr("超過 %1%") : tr("残時間 %1%")).arg(share));
    QAccessibleValueChangeEvent event(this, share);
    QAccessible::updateAccessibility(&event);
}

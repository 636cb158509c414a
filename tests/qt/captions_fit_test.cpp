#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <memory>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "ui/qt/about_view.h"
#include "ui/qt/settings_view.h"

namespace zelvo {
namespace {

// The part of a widget its text needs, in its parent's coordinates, or an empty
// rectangle for a widget without text.
QRect TextExtent(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    const QPoint origin = widget.pos();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty()) {
            return {};
        }
        const QStyle* style = button->style();
        // A mnemonic's "&" is not drawn ("&&" is one "&").
        QString shown = button->text();
        shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        const int text = metrics.horizontalAdvance(shown);
        if (qobject_cast<const QPushButton*>(button) != nullptr) {
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            return {origin, QSize(text + 2 * margin, metrics.height())};
        }
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        const int indicator = style->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr,
            button);
        const int spacing = style->pixelMetric(
            radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
            button);
        return {origin, QSize(indicator + spacing + text, std::max(indicator, metrics.height()))};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) {
            return {};
        }
        const QMargins margins = label->contentsMargins();
        const int width = label->width();
        const int textHeight = label->wordWrap()
                                   ? label->heightForWidth(width)
                                   : metrics.height() + margins.top() + margins.bottom();
        const int textWidth = label->wordWrap()
                                  ? width
                                  : metrics.horizontalAdvance(label->text()) + margins.left() +
                                        margins.right() + 2 * label->margin();
        return {origin, QSize(textWidth, textHeight)};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        if (edit->text().isEmpty()) {
            return {};
        }
        const int frame = edit->hasFrame() ? edit->style()->pixelMetric(
                                                 QStyle::PM_DefaultFrameWidth, nullptr, edit)
                                           : 0;
        const QMargins margins = edit->textMargins();
        constexpr int kInnerMargin = 2;  // the line edit's own space beside its text
        return {origin, QSize(metrics.horizontalAdvance(edit->text()) + 2 * frame +
                                  2 * kInnerMargin + margins.left() + margins.right(),
                              metrics.height() + 2 * frame)};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        const QString text =
            combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
        return {origin,
                QSize(metrics.horizontalAdvance(text) + metrics.height() + 8, metrics.height())};
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return {origin, QSize(metrics.horizontalAdvance(frame->title()) + 2 * metrics.height(),
                              metrics.height())};
    }
    return {};
}

// Every text below `window` fits its control, and no sibling drawn over it covers
// any of it.
QStringList CutTexts(const QWidget& window) {
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QRect extent = TextExtent(*widget);
        if (extent.isNull()) {
            continue;
        }
        const QString name = widget->metaObject()->className() + QStringLiteral(" at ") +
                             QString::number(widget->x()) + QStringLiteral(",") +
                             QString::number(widget->y());
        if (extent.width() > widget->width() || extent.height() > widget->height()) {
            cut << name + QStringLiteral(": needs %1x%2, has %3x%4")
                              .arg(extent.width())
                              .arg(extent.height())
                              .arg(widget->width())
                              .arg(widget->height());
        }
        const QRect needed = extent.intersected(widget->geometry());
        const QWidget* parent = widget->parentWidget();
        const QObjectList& siblings = parent->children();
        for (auto it = siblings.begin() + siblings.indexOf(widget) + 1; it != siblings.end();
             ++it) {
            const auto* above = qobject_cast<const QWidget*>(*it);
            if (above != nullptr && !above->isHidden() && above->geometry().intersects(needed)) {
                cut << name + QStringLiteral(": covered by ") + above->metaObject()->className();
            }
        }
    }
    return cut;
}

}  // namespace

// Each caption and text of the settings dialog and the About box is whole at its
// place in the UI font.
class CaptionsFitTest : public QObject {
    Q_OBJECT

  private slots:
    void settingsDialogTextsAreWhole_data() {
        QTest::addColumn<QString>("sample");
        QTest::newRow("as started") << QString();
        QTest::newRow("ten decimals") << QStringLiteral("0.0000000000");
    }
    void settingsDialogTextsAreWhole() {
        QFETCH(QString, sample);
        fake::FakePlatform fake;
        WindowSet windows(fake.platform);
        if (!sample.isEmpty()) {
            windows.dialog.Label5.Caption = sample.toStdString();
        }
        SettingsView view(windows.dialog, fake.toolkit, [] {});
        view.EnsureBuilt();
        const QStringList cut = CutTexts(view);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    // At the desktop's font size, also a larger one.
    void aboutBoxTextsAreWhole_data() {
        QTest::addColumn<qreal>("pointSize");
        QTest::newRow("9 pt") << qreal{9};
        QTest::newRow("12 pt") << qreal{12};
        QTest::newRow("18 pt") << qreal{18};
    }
    void aboutBoxTextsAreWhole() {
        QFETCH(qreal, pointSize);
        QFont desktop = QApplication::font();
        desktop.setPointSizeF(pointSize);
        QApplication::setFont(desktop);
        fake::FakePlatform fake;
        frmAbout about(fake.platform);
        about.Form_Load();
        AboutView view(about);
        view.Render();
        const QStringList cut = CutTexts(view);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        QCOMPARE(view.sysInfoButton()->font().pointSizeF(), pointSize);
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::CaptionsFitTest)
#include "captions_fit_test.moc"

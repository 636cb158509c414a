#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>

#include "control/form2.h"
#include "ui/qt/filtered_line_edit.h"
#include "ui/qt/hot_key_edit.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/up_down_arrows.h"

namespace zelvo {

// The settings dialog ("設定") on screen, laid out from the dialog model in twips.
class SettingsView : public QWidget {
    Q_OBJECT
  public:
    // `changed` is called after every event this view passed to the model. The dialog's
    // widgets are made when it is first shown, or when one of them is asked for.
    SettingsView(Form2& dialog, const Toolkit& toolkit, std::function<void()> changed);

    // Brings the widgets up to date with the model; nothing while the dialog has never been
    // shown.
    void Render();
    // Makes the widgets now, up to date with the model, if they are not there yet.
    void EnsureBuilt();
    bool built() const { return built_; }
    void setVisible(bool visible) override;

    QRadioButton* densityOption(int index) {
        EnsureBuilt();
        return options_.at(static_cast<std::size_t>(index));
    }
    FilteredLineEdit* densityBox() { return Built(text5_); }
    UpDownArrows* decimalsArrows() { return Built(upDown_); }
    QLabel* decimalsSample() { return Built(label5_); }
    QComboBox* skinList() { return Built(combo1_); }
    QPushButton* previewButton() { return Built(command1_); }
    QPushButton* applyButton() { return Built(command2_); }
    PictureLabel* preview(int index) {
        EnsureBuilt();
        return previews_.at(static_cast<std::size_t>(index));
    }
    HotKeyEdit* hotKeyEdit() { return Built(hotKeyEdit_); }
    QPushButton* setHotKeyButton() { return Built(cmdSet_); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    template <typename Widget>
    Widget* Built(Widget* const& widget) {
        EnsureBuilt();
        return widget;
    }
    void Build();
    void RenderControls();
    void BuildDensityFrame();
    void BuildDecimalsFrame();
    void BuildBarFrame();
    void BuildHotKeyFrame();
    void BuildSkinFrame();
    void RenderHotKey();
    QGroupBox* NewFrame(const Frame& frame);
    template <typename Control>
    void Place(QWidget* widget, const Control& control) const;
    void Handle(const std::function<void()>& handler);

    Form2& dialog_;
    const Toolkit& toolkit_;
    std::function<void()> changed_;
    bool rendering_ = false;
    bool built_ = false;

    std::array<QRadioButton*, 3> options_{};
    FilteredLineEdit* text5_ = nullptr;
    QLabel* label5_ = nullptr;
    UpDownArrows* upDown_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QFrame* picHotKey_ = nullptr;
    HotKeyEdit* hotKeyEdit_ = nullptr;
    QPushButton* cmdSet_ = nullptr;
    QLabel* label2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QFrame* picture1_ = nullptr;
    std::array<PictureLabel*, 10> previews_{};
};

}  // namespace zelvo

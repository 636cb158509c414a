#include "ui/qt/settings_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>

#include "control/dialog_accessible_names.h"
#include "platform/safe_call.h"
#include "ui/qt/fonts.h"
#include "ui/qt/text_sync.h"
#include "ui/qt/twips.h"

namespace zelvo {
namespace {

constexpr qreal kDialogPointSize = 9;
// The density frame was laid out for a face narrower in Latin letters than the
// stand-in P-Gothic: a point less, set a tenth narrower, keeps "win(96ppi)", "(ppi)"
// and the density text whole at their places.
constexpr qreal kDensityPointSize = 8;
constexpr int kDensityStretch = 90;

QFont DensityFont() {
    QFont font = PGothicFont(kDensityPointSize, false);
    font.setStretch(kDensityStretch);
    return font;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// To a screen reader the settings window is a dialog (a plain widget would be a
// "filler").
QAccessibleInterface* DialogAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("zelvo::SettingsView") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    }
    return nullptr;
}

}  // namespace

SettingsView::SettingsView(Form2& dialog, const Toolkit& toolkit, std::function<void()> changed)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      dialog_(dialog),
      toolkit_(toolkit),
      changed_(std::move(changed)) {
    QAccessible::installFactory(DialogAccessible);
    setFont(PGothicFont(kDialogPointSize, false));
    setWindowTitle(Text(dialog_.Caption));
    const float tpp = toolkit_.TwipsPerPixelX();
    setFixedSize(TwipsToPixels(dialog_.Width, tpp), TwipsToPixels(dialog_.Height, tpp));
}

void SettingsView::Build() {
    built_ = true;
    BuildDensityFrame();
    BuildDecimalsFrame();
    BuildBarFrame();
    BuildHotKeyFrame();
    BuildSkinFrame();
}

void SettingsView::EnsureBuilt() {
    if (built_) {
        return;
    }
    Build();
    rendering_ = true;
    RenderControls();
    rendering_ = false;
}

// However the dialog comes to be shown, its widgets are there first.
void SettingsView::setVisible(bool visible) {
    if (visible) {
        EnsureBuilt();
    }
    QWidget::setVisible(visible);
}

template <typename Control>
void SettingsView::Place(QWidget* widget, const Control& control) const {
    widget->setGeometry(PixelRect(control, toolkit_.TwipsPerPixelX()));
}

QGroupBox* SettingsView::NewFrame(const Frame& frame) {
    auto* box = new QGroupBox(Text(frame.Caption), this);
    Place(box, frame);
    return box;
}

void SettingsView::Handle(const std::function<void()>& handler) {
    if (rendering_) {
        return;
    }
    SafeCall(handler);
    changed_();
}

void SettingsView::BuildDensityFrame() {
    QGroupBox* frame = NewFrame(dialog_.Frame7);
    for (int i = 0; i < 3; ++i) {
        const OptionButton& model = dialog_.Option1.at(static_cast<std::size_t>(i));
        auto* option = new QRadioButton(Text(model.Caption), frame);
        option->setFont(DensityFont());
        Place(option, model);
        options_.at(static_cast<std::size_t>(i)) = option;
        connect(option, &QRadioButton::clicked, this,
                [this, i] { Handle([&] { dialog_.SetOption1(i, true); }); });
    }
    text5_ = new FilteredLineEdit(frame);
    text5_->setFont(DensityFont());
    Place(text5_, dialog_.Text5);
    text5_->SetKeyHandler(
        [this](int& keyAscii) { SafeCall([&] { dialog_.Text5_KeyPress(keyAscii); }); });
    connect(text5_, &QLineEdit::textChanged, this, [this] {
        if (!rendering_) {
            CopyBoxToModel(*text5_, dialog_.Text5);
        }
    });
    text5_->setAccessibleName(Text(kDensityBoxName));
    auto* label9 = new QLabel(Text(dialog_.Label9.Caption), frame);
    label9->setFont(DensityFont());
    Place(label9, dialog_.Label9);
}

void SettingsView::BuildDecimalsFrame() {
    QGroupBox* frame = NewFrame(dialog_.Frame1);
    label5_ = new QLabel(frame);
    label5_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(label5_, dialog_.Label5);
    upDown_ = new UpDownArrows(frame);
    upDown_->setAccessibleName(Text(kDecimalsName));
    upDown_->upButton()->setAccessibleName(Text(kDecimalsUpName));
    upDown_->downButton()->setAccessibleName(Text(kDecimalsDownName));
    Place(upDown_, dialog_.UpDown1);
    connect(upDown_, &UpDownArrows::Up, this, [this] {
        Handle([&] {
            dialog_.UpDown1.StepUp();
            dialog_.UpDown1_UpClick();
        });
    });
    connect(upDown_, &UpDownArrows::Down, this, [this] {
        Handle([&] {
            dialog_.UpDown1.StepDown();
            dialog_.UpDown1_DownClick();
        });
    });
    auto* label1 = new QLabel(Text(dialog_.Label1.Caption), frame);
    Place(label1, dialog_.Label1);
}

void SettingsView::BuildBarFrame() {
    QGroupBox* frame = NewFrame(dialog_.Frame2);
    check1_ = new QCheckBox(Text(dialog_.Check1.Caption), frame);
    Place(check1_, dialog_.Check1);
    connect(check1_, &QCheckBox::clicked, this,
            [this](bool checked) { Handle([&] { dialog_.Check1.Value = checked ? 1 : 0; }); });
    check2_ = new QCheckBox(Text(dialog_.Check2.Caption), frame);
    Place(check2_, dialog_.Check2);
    connect(check2_, &QCheckBox::clicked, this, [this](bool checked) {
        Handle([&] {
            dialog_.Check2.Value = checked ? 1 : 0;
            dialog_.Check2_Click();
        });
    });
    check3_ = new QCheckBox(Text(dialog_.Check3.Caption), frame);
    Place(check3_, dialog_.Check3);
    connect(check3_, &QCheckBox::clicked, this, [this](bool checked) {
        Handle([&] {
            dialog_.Check3.Value = checked ? 1 : 0;
            dialog_.Check3_Click();
        });
    });
}

void SettingsView::BuildHotKeyFrame() {
    QGroupBox* frame = NewFrame(dialog_.Frame8);
    picHotKey_ = new QFrame(frame);
    picHotKey_->setFrameShape(QFrame::StyledPanel);
    picHotKey_->setFrameShadow(QFrame::Sunken);
    Place(picHotKey_, dialog_.picHotKey);
    cmdSet_ = new QPushButton(Text(dialog_.cmdSet.Caption), frame);
    Place(cmdSet_, dialog_.cmdSet);
    connect(cmdSet_, &QPushButton::clicked, this,
            [this] { Handle([&] { dialog_.cmdSet_Click(); }); });
}

void SettingsView::BuildSkinFrame() {
    QGroupBox* frame = NewFrame(dialog_.Frame3);
    label2_ = new QLabel(frame);
    Place(label2_, dialog_.Label2);
    combo1_ = new QComboBox(frame);
    combo1_->setAccessibleName(Text(kSkinListName));
    Place(combo1_, dialog_.Combo1);
    connect(combo1_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!rendering_) {
            dialog_.Combo1.ListIndex = index;
        }
    });
    command1_ = new QPushButton(Text(dialog_.Command1.Caption), frame);
    Place(command1_, dialog_.Command1);
    connect(command1_, &QPushButton::clicked, this,
            [this] { Handle([&] { dialog_.Command1_Click(); }); });
    command2_ = new QPushButton(Text(dialog_.Command2.Caption), frame);
    Place(command2_, dialog_.Command2);
    connect(command2_, &QPushButton::clicked, this,
            [this] { Handle([&] { dialog_.Command2_Click(); }); });

    picture1_ = new QFrame(frame);
    picture1_->setFrameShape(QFrame::Box);
    picture1_->setStyleSheet(QStringLiteral("QFrame { background: white; }"));
    Place(picture1_, dialog_.Picture1);
    for (std::size_t i = 0; i < previews_.size(); ++i) {
        previews_.at(i) = new PictureLabel(i == 1 ? static_cast<QWidget*>(frame) : picture1_);
    }
    previews_[9]->lower();
}

void SettingsView::Render() {
    if (!built_) {
        if (!dialog_.Visible) {
            return;
        }
        Build();
    }
    rendering_ = true;
    RenderControls();
    setVisible(dialog_.Visible);
    rendering_ = false;
}

void SettingsView::RenderControls() {
    const float tpp = toolkit_.TwipsPerPixelX();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        // The options are exclusive (and read as radio buttons, the arrow keys moving
        // among them), but none may be chosen: an exclusive button is let go only
        // while it is not.
        QRadioButton* option = options_.at(i);
        option->setAutoExclusive(dialog_.Option1.at(i).Value);
        option->setChecked(dialog_.Option1.at(i).Value);
        option->setAutoExclusive(true);
    }
    CopyModelToBox(dialog_.Text5, *text5_);
    text5_->setEnabled(dialog_.Text5.Enabled);
    label5_->setText(Text(dialog_.Label5.Caption));
    check1_->setChecked(dialog_.Check1.Value == 1);
    check2_->setChecked(dialog_.Check2.Value == 1);
    check3_->setChecked(dialog_.Check3.Value == 1);
    label2_->setText(Text(dialog_.Label2.Caption));

    QStringList items;
    for (const std::string& item : dialog_.Combo1.List) {
        items.append(Text(item));
    }
    QStringList shown;
    for (int i = 0; i < combo1_->count(); ++i) {
        shown.append(combo1_->itemText(i));
    }
    if (shown != items) {
        combo1_->clear();
        combo1_->addItems(items);
    }
    combo1_->setPlaceholderText(Text(dialog_.Combo1.Text));
    combo1_->setCurrentIndex(dialog_.Combo1.ListIndex);
    combo1_->setVisible(dialog_.Combo1.Visible);

    for (std::size_t i = 0; i < previews_.size(); ++i) {
        previews_.at(i)->Render(dialog_.Image1.at(i), tpp);
    }
    RenderHotKey();
}

// The capture control exists once the start-up has made it inside picHotKey.
void SettingsView::RenderHotKey() {
    const HotKeyCapture& control = dialog_.hotKeyControl;
    if (!control.Created) {
        return;
    }
    if (hotKeyEdit_ == nullptr) {
        hotKeyEdit_ = new HotKeyEdit(picHotKey_);
        hotKeyEdit_->setAccessibleName(Text(kHotKeyCaptureName));
        // Made after the rest, the box comes in the tab order where it stands.
        setTabOrder(check3_, hotKeyEdit_);
        setTabOrder(hotKeyEdit_, cmdSet_);
        hotKeyEdit_->setFrame(false);
        hotKeyEdit_->show();
        hotKeyEdit_->SetCapture([this](int modifiers, int virtualKey) {
            Handle([&] {
                hotkey1::SetHotKeyControlValue(
                    dialog_.hotKeyControl,
                    hotkey1::CapturedValue(dialog_.hotKeyControl, modifiers, virtualKey));
            });
        });
    }
    hotKeyEdit_->setGeometry(0, 0, control.WidthPixels, control.HeightPixels);
    hotKeyEdit_->ShowValue(control.Value);
}

// Escape closes the dialog as its close box does.
void SettingsView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SettingsView::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    Handle([&] { dialog_.Form_QueryUnload(cancel, vbFormControlMenu); });
    event->setAccepted(cancel == 0);
}

}  // namespace zelvo

#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "about/frm_about.h"

namespace zelvo {

// The About box on screen, shown modally. Its widgets are made when it is first shown, or
// when one of them is asked for.
class AboutView : public QDialog {
    Q_OBJECT
  public:
    explicit AboutView(frmAbout& about);

    // Makes the widgets if they are not there yet and shows the model's texts in them.
    void Render();
    void setVisible(bool visible) override;

    QLabel* versionLabel() { return Built(version_); }
    QPushButton* okButton() { return Built(ok_); }
    QPushButton* sysInfoButton() { return Built(sysInfo_); }

  protected:
    void reject() override;

  private:
    template <typename Widget>
    Widget* Built(Widget* const& widget) {
        EnsureBuilt();
        return widget;
    }
    void EnsureBuilt();

    frmAbout& about_;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* disclaimer_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* sysInfo_ = nullptr;
};

}  // namespace zelvo

#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "about/frm_about.h"

namespace zelvo {

// The About box on screen, shown modally.
class AboutView : public QDialog {
    Q_OBJECT
  public:
    explicit AboutView(frmAbout& about);

    void Render();

    QLabel* versionLabel() const { return version_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* sysInfoButton() const { return sysInfo_; }

  protected:
    void reject() override;

  private:
    frmAbout& about_;
    QLabel* title_;
    QLabel* version_;
    QLabel* description_;
    QLabel* disclaimer_;
    QPushButton* ok_;
    QPushButton* sysInfo_;
};

}  // namespace zelvo

#include "frmMain.h"

#include "FlashRegistration.h"
#include "Notebook.h"
#include "SkStract.h"
#include "Ui.h"
#include "WindowDefaults.h"
#include "frmAbout.h"

#include <QCloseEvent>

TfrmMain::TfrmMain(QWidget* owner) : TSkForm(owner)
{
    setWindowTitle(QString::fromUtf8("Самоучитель"));
    WindowDefaults::Apply(*this, QSize(775, 513));
    SetClientSize(QSize(775, 513));
    WindowDefaults::CentreOnScreen(*this);
}

TfrmMain::~TfrmMain()
{
    DestroyScenes();
}

void TfrmMain::FormCreate()
{
    RegisterFlashControl();
    SelectedChapter = 1;
    Chapter = 1;
    mainScene_ = std::make_unique<TSkStract>(this, QStringLiteral("struct_main.txt"));
    mainScene_->LoadStruct();
    showScene_ = std::make_unique<TSkStract>(this, QStringLiteral("struct_show.txt"));
    showScene_->LoadStruct();
    mainScene_->Activate();
}

TSkStract* TfrmMain::ActiveScene() const
{
    for (TSkStract* scene : {mainScene_.get(), showScene_.get()}) {
        if (scene && Pages() && Pages()->CurrentIndex() == scene->PageIndex())
            return scene;
    }
    return mainScene_.get();
}

void TfrmMain::ShowAbout()
{
    const std::unique_ptr<TfrmAbout> aboutForm = std::make_unique<TfrmAbout>(this);
    TSkStract aboutScene(aboutForm.get(), QStringLiteral("struct_about.txt"));  // goes before its window
    aboutScene.LoadStruct();
    Ui::Instance().ExecModal(aboutForm.get());
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    DestroyScenes();
    event->accept();
}

void TfrmMain::DestroyScenes()
{
    mainScene_.reset();
    showScene_.reset();
}

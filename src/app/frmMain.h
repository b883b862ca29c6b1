#pragma once

#include "SkForm.h"

#include <memory>

class TfrmAbout;
class TSkFlash;
class TSkStract;

// The main window: two scenes on one window, the chapter and lesson chooser from
// "struct_main.txt" and the lesson window from "struct_show.txt", one page each.
class TfrmMain : public TSkForm {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* owner = nullptr);
    ~TfrmMain() override;

    // Start-up: registers the Flash control file, loads both scenes, shows the chooser. Errors of
    // loading travel out; the scenes loaded before the error stay.
    void FormCreate();

    // Builds the about box from "struct_about.txt" and shows it modally.
    void ShowAbout();

    // The lesson commands the two scenes hand over: the chooser's and the lesson window's.
    void HandleMainCommand(const RHelpAction& action);
    void HandleShowCommand(const RHelpAction& action);
    // Passes the current lesson to the frame movie and plays its movie.
    void StartLesson();
    void ResetLesson();

    TSkStract* MainScene() const { return mainScene_.get(); }
    TSkStract* ShowScene() const { return showScene_.get(); }
    // The scene whose page is visible.
    TSkStract* ActiveScene() const;

    int SelectedChapter = 1;
    int Chapter = 1;
    int Lesson = 0;
    QString LessonTitle;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DestroyScenes();
    QString LessonKey() const;
    TSkFlash* LessonFlash(const QString& name) const;
    void FocusLesson() const;
    void StepLesson(const QString& direction);
    void RestartLesson();

    std::unique_ptr<TSkStract> mainScene_;
    std::unique_ptr<TSkStract> showScene_;
};

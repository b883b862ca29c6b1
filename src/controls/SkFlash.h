#pragma once

#include "FlashWidget.h"
#include "HelpAction.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class TrackBarBinding;
class TSkTrackBar;

// A Flash movie of a scene. Its FSCommand calls become action strings for the scene's
// dispatcher, so a movie can drive the window as a button does.
class TSkFlash : public FlashWidget {
    Q_OBJECT
public:
    explicit TSkFlash(QWidget* parent = nullptr);

    // Loads the movie file of that name (resolved against the program folder) when a file of the
    // name as given exists; otherwise shows "Не найден файл <name>" and changes nothing.
    void OpenMovie(const QString& name);
    void BindTrackBar(TSkTrackBar* bar);

    const QString& MovieName() const { return movieName_; }
    bool Following() const;

    // Variables the host set, in the order it set them (for authors' dumps).
    void SetVariable(const QString& name, const QString& value);
    const std::vector<std::pair<QString, QString>>& VariablesSet() const { return variablesSet_; }

    std::function<void(const RHelpAction&)> OnAction;

private:
    void SendCommand(const QString& command, const QString& arguments);

    TrackBarBinding* bar_;
    QString movieName_;
    std::vector<std::pair<QString, QString>> variablesSet_;
};

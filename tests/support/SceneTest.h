#pragma once

#include "CodePage.h"
#include "ScopedScriptedUi.h"
#include "SkForm.h"
#include "SkStract.h"
#include "TempCourse.h"

#include <gtest/gtest.h>
#include <memory>

// A fixture with a temporary course, the scripted Ui and a window to load scenes on. Actions the
// scene's dispatcher hands over are collected in `actions`.
class SceneTest : public ::testing::Test {
protected:
    // Writes a course text file: the UTF-8 text is stored in the course code page.
    void Write(const QString& file, const char* text)
    {
        course.writeFile(file, CodePage::ToAnsi(QString::fromUtf8(text)));
    }

    // Loads a scene of a form section followed by `body`.
    std::unique_ptr<TSkStract> Load(const char* body)
    {
        Write("s.txt", (QByteArray("[main]\ntype=form\n") + body).constData());
        auto scene = std::make_unique<TSkStract>(&form, "s.txt");
        scene->OnUnknownAction = [this](const RHelpAction& action) { actions << action.Action; };
        scene->LoadStruct();
        return scene;
    }

    template <typename Control>
    Control* Find(const TSkStract& scene, const char* name) const
    {
        return qobject_cast<Control*>(scene.Registry().Find(name));
    }

    TempCourse course;
    ScopedScriptedUi ui;
    TSkForm form;
    QStringList actions;
};

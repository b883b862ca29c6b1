#pragma once

#include <QFrame>

// A picture of the window's skin. The skin is a style sheet, so the picture is the image that
// the style sheet gives the control's theme object, for instance
//   TSkPic[themeObject="logo"] { border-image: url(logo.png); }
// (or "image:" to keep the picture's proportions). Without such a rule it shows nothing.
class TSkPic : public QFrame {
    Q_OBJECT
public:
    explicit TSkPic(QWidget* parent = nullptr);
};

#pragma once

#include <QProgressBar>

// A progress bar of a scene: 0 to 100, at 0, without text.
class TSkProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TSkProgressBar(QWidget* parent = nullptr);
};

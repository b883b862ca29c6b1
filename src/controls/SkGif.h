#pragma once

#include <QBuffer>
#include <QLabel>
#include <QMovie>

// An animated GIF picture of a scene, read through resource loading; it moves as soon as it is
// loaded.
class TSkGif : public QLabel {
    Q_OBJECT
public:
    explicit TSkGif(QWidget* parent = nullptr);

    // Loads the picture of that name unless it is already the current one. A name that cannot
    // be loaded raises AppError and leaves the current name as it was, so loading it again tries
    // again.
    void LoadGif(const QString& name);
    const QString& CurrentName() const { return currentName_; }

private:
    QString currentName_;
    QBuffer data_;
    QMovie movie_;
};

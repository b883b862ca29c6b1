#include "WindowDefaults.h"

#include "SkForm.h"

#include <QGuiApplication>
#include <QScreen>

namespace WindowDefaults {

void Apply(TSkForm& window, QSize size)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window.setPalette(palette);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    window.setFont(font);
    window.resize(size);
    CentreOnScreen(window);
}

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

}  // namespace WindowDefaults

#include "FlashWidget.h"

#include "AppError.h"
#include "FileIO.h"
#include "swf/SwfError.h"
#include "swf/SwfPlayer.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr double kDefaultFrameRate = 12.0;

QColor FromRgb(quint32 rgb)
{
    return QColor::fromRgb(QRgb(rgb));
}

}  // namespace

FlashWidget::FlashWidget(QWidget* parent) : QWidget(parent), player_(std::make_unique<swf::SwfPlayer>())
{
    player_->setFsCommandHandler([this](const QString& command, const QString& arguments) {
        emit fsCommand(command, arguments);
    });
    connect(&ticks_, &QTimer::timeout, this, &FlashWidget::Tick);
    SetMenu(false);
}

FlashWidget::~FlashWidget() = default;

void FlashWidget::SetMovie(const QString& path)
{
    const QByteArray bytes = ReadWholeFile(path);
    try {
        player_->load(bytes);
    } catch (const swf::SwfError& error) {
        throw AppError(AppError::Kind::DamagedData, QStringLiteral("%1: %2").arg(path, error.text()));
    }
    player_->tick();  // shows the first frame, as the control did on loading
    RestartTicks();
    update();
}

int FlashWidget::TotalFrames() const
{
    return player_->isLoaded() ? player_->totalFrames() : 0;
}

void FlashWidget::SetMenu(bool shown)
{
    setContextMenuPolicy(shown ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

void FlashWidget::Play()
{
    if (player_->isLoaded())
        player_->play();
}

void FlashWidget::Stop()
{
    if (player_->isLoaded())
        player_->stop();
}

void FlashWidget::GotoFrame(int frame)
{
    if (player_->isLoaded())
        player_->gotoFrame(frame + 1);
    update();
}

int FlashWidget::CurrentFrame() const
{
    return player_->isLoaded() ? player_->currentFrame() - 1 : 0;
}

void FlashWidget::SetVariable(const QString& name, const QString& value)
{
    if (player_->isLoaded())
        player_->setVariable(name, value);
}

QString FlashWidget::GetVariable(const QString& name) const
{
    return player_->isLoaded() ? player_->getVariable(name) : QString();
}

void FlashWidget::SetManualTicks(bool manual)
{
    manualTicks_ = manual;
    RestartTicks();
}

void FlashWidget::Tick()
{
    if (!player_->isLoaded())
        return;
    player_->tick();
    update();
}

void FlashWidget::RestartTicks()
{
    ticks_.stop();
    if (manualTicks_ || !player_->isLoaded())
        return;
    const double rate = player_->frameRate() > 0 ? player_->frameRate() : kDefaultFrameRate;
    ticks_.start(int(std::lround(1000.0 / rate)));
}

void FlashWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!player_->isLoaded())
        return;
    const swf::Rect stage = player_->stage();
    const QSizeF stageSize(std::max(1, stage.xMax - stage.xMin), std::max(1, stage.yMax - stage.yMin));
    const QSizeF shown = stageSize.scaled(size(), Qt::KeepAspectRatio);
    const QRectF area(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.fillRect(area, FromRgb(player_->backgroundColor()));
}

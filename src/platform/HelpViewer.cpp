#include "HelpViewer.h"

#include "PathUtils.h"

#include <QDesktopServices>
#include <QUrl>

void ShowHelpTopic(const QString& helpFile, const QString& topic)
{
    const QString path = FileSystemPath(helpFile);
    const QString suffix = path.section(u'.', -1).toLower();
    if (path.contains(u'.') && (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))) {
        QUrl url = QUrl::fromLocalFile(path);
        if (!topic.isEmpty())
            url.setFragment(topic);
        QDesktopServices::openUrl(url);
        return;
    }
    ShellOpen(helpFile, QString(), QStringLiteral("open"));
}

#include "OpenFileWatch.h"

#include "AppContext.h"
#include "EditHistory.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace mMain {

namespace {

// A change is looked at once nothing more has happened for this long (milliseconds)...
constexpr int kSettleMs = 400;
// ...but no later than this after it began, so that a busy folder cannot hold it back.
constexpr int kLongestSettleMs = 1500;

// A hash of the file's content, or null when there is no regular file to read.
QByteArray ContentHash(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

} // namespace

OpenFileWatch::OpenFileWatch(AppContext& appContext, EditHistory& editHistory,
                             std::function<bool(const QString& path)> reload)
    : context(appContext), history(editHistory), reloadFile(std::move(reload)) {
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    connect(&settle, &QTimer::timeout, this, &OpenFileWatch::CheckNow);
    // Every event counts, even of another file in the folder: the content decides.
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &OpenFileWatch::Changed);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &OpenFileWatch::Changed);
}

void OpenFileWatch::Changed() {
    if (!settle.isActive())
        burst.start();
    if (burst.elapsed() + kSettleMs <= kLongestSettleMs)
        settle.start();
}

void OpenFileWatch::Follow(const QString& path) {
    if (path != watchedPath)
        Stop();
    watchedPath = path;
    Rewatch();
    knownContent = ContentHash(path);
}

void OpenFileWatch::Stop() {
    settle.stop();
    const QStringList watched = watcher.files() + watcher.directories();
    if (!watched.isEmpty())
        watcher.removePaths(watched);
    watchedPath.clear();
    knownContent.clear();
}

void OpenFileWatch::Rewatch() {
    const QFileInfo file(watchedPath);
    // Through a link, the target's folder sees the target replaced.
    for (const QString& folder :
         {file.absolutePath(), QFileInfo(file.canonicalFilePath()).absolutePath()}) {
        if (!folder.isEmpty() && !watcher.directories().contains(folder))
            watcher.addPath(folder);
    }
    if (watcher.files().contains(watchedPath))
        watcher.removePath(watchedPath);
    if (file.exists())
        watcher.addPath(watchedPath);
}

void OpenFileWatch::CheckNow() {
    if (watchedPath.isEmpty())
        return;
    // Never a question over another dialog: look again once it has closed.
    if (QApplication::activeModalWidget()) {
        settle.start();
        return;
    }
    settle.stop();
    Rewatch();
    const QByteArray content = ContentHash(watchedPath);
    if (content == knownContent)
        return;
    knownContent = content; // once for this change, whatever the answer
    React();
}

void OpenFileWatch::React() {
    if (knownContent.isNull()) {
        history.MarkSavedCopyLost();
        return;
    }
    if (history.HasUnsavedEdits()) {
        const QString name = QString::fromStdString(ShortTrackName(context.State.CurrentFileName));
        const QString question = QStringLiteral("\u201C%1\u201D was changed by another program. "
                                                "Reload it and lose your changes, or keep your "
                                                "changes?")
                                     .arg(name);
        if (context.Dialogs.AskReloadOrKeep(question, QStringLiteral("File Changed...")) !=
            MessageAnswer::Reload) {
            history.MarkSavedCopyLost();
            return;
        }
    }
    // A half-written file is kept out of the editor; its next write is looked at again.
    if (!reloadFile(watchedPath))
        history.MarkSavedCopyLost();
}

} // namespace mMain

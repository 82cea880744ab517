#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

struct AppContext;

namespace mMain {

class EditHistory;

// Watches the open track file for another program's changes. The file and its folder are
// watched, so that a save that replaces the file by a rename, or deletes it and writes it again,
// is seen too. A change counts when the file's content differs from what the editor last read
// or wrote, so the editor's own saves never count. Changes settle for a moment, so that a burst
// of writes is one change, and wait while a modal dialog is open. Then an unedited track is
// reloaded; an edited one asks whether to reload or keep the edits; a deleted or unreadable
// file leaves the track only in the editor, with its "*".
class OpenFileWatch : public QObject {
public:
    // `reload` reads the watched file into the editor again, keeping the view; false when it
    // could not be read and the document was left as it was.
    OpenFileWatch(AppContext& appContext, EditHistory& editHistory,
                  std::function<bool(const QString& path)> reload);

    // The file at `path` now holds the document (it was just opened or saved): watch it.
    void Follow(const QString& path);
    // No track is open: watch nothing.
    void Stop();
    // Looks at the file at once rather than after the settling time, as when the window is
    // activated again.
    void CheckNow();

private:
    // Something changed in the file or its folder: look once the writes have settled.
    void Changed();
    // The file after a save that replaced it is another file to the system: watch it afresh.
    void Rewatch();
    void React();

    AppContext& context;
    EditHistory& history;
    std::function<bool(const QString& path)> reloadFile;
    QFileSystemWatcher watcher;
    QTimer settle;
    QElapsedTimer burst; // since the first change not yet looked at
    QString watchedPath;
    QByteArray knownContent; // hash of what the editor last read or wrote; null: no file
};

} // namespace mMain

#pragma once

// Keeps Qt's notices about folders it picks for itself (a runtime folder made
// up where XDG_RUNTIME_DIR is unset, as in a root shell, over ssh or in cron)
// off standard error, which carries the command's own messages only. Every
// other message of Qt goes where it went.
void QuietQtFolderNotices();

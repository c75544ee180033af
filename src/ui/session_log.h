#pragma once
// Whether an output goes to the desktop session's log: the journal's stream
// that JOURNAL_STREAM names (systemd sessions), or a plain file such as
// ~/.xsession-errors. A terminal or a pipe is never the session's log.

namespace wd {

bool is_session_log(int fd);

}  // namespace wd

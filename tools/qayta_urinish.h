// Replacing a file that another program holds open for a moment (a virus
// scanner, an indexer, a sync client) fails with a sharing violation on
// Windows: the replacement is tried again for a little while.
#pragma once

namespace harfnur::ogiruvchi {

// Milliseconds to wait before try number `urinish` + 1 after a failure with
// the Win32 code `xato`, or -1 to give up. A read-only target refuses for
// good, so "access denied" is tried again only on a writable one.
int almashtirishKutishi(unsigned long xato, bool faqatOqish, int urinish);

}  // namespace harfnur::ogiruvchi

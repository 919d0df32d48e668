// The tray program's ways out. A signal (the session ending, a kill, ^C)
// leaves like the menu's quit entry; at the end a sanitizer build looks for
// leaks while everything still in use is reachable.
#pragma once

namespace harfnur::linux_ {

// SIGTERM, SIGINT and SIGHUP stop Qt's event loop. After QApplication.
void signaldaToxta();

// A leak check in sanitizer builds, nothing otherwise. Just before leaving.
void chiqishOldidanTekshir();

}  // namespace harfnur::linux_

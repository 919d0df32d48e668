// The main thread's hidden window: the one place every window message of
// ours arrives (timers, the tray icon, work handed over from other threads),
// and UTF-8 to UTF-16 for the Win32 calls.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace harfnur::windows_ {

std::wstring keng(std::string_view utf8);
std::string tor(std::wstring_view utf16);

// Created on the first call, which must be on the main thread. A top-level
// window that is never shown, so it also hears broadcasts ("TaskbarCreated").
HWND asosiyOyna();
bool asosiyIpdami();

// Runs `f` on the main thread and waits for it (at once when already there).
void asosiyIpda(const std::function<void()>& f);
// Hands `f` to the main thread and returns at once.
void asosiydaKeyin(std::function<void()> f);

// A handler for one message of the hidden window; returns whether it was
// handled. A message may have several: each runs, in the order given.
using XabarIshlovchisi = std::function<bool(WPARAM, LPARAM, LRESULT&)>;
void xabarniTingla(UINT xabar, XabarIshlovchisi ishlovchi);

// A timer of the hidden window, on the main thread; returns its id.
UINT_PTR taymerQoy(UINT ms, std::function<void()> f);
void taymerniOchir(UINT_PTR id);

// The one way out of the program, whatever ends it (the menu, WM_CLOSE from
// taskkill, the end of the session): what was registered runs once, the
// latest first, then the process ends without waiting for other threads.
void chiqishdaBajar(std::function<void()> f);
[[noreturn]] void chiq(int kod);

// The hidden window's class and title, by which a second start finds the
// running program, and the message with which it asks for the guide window.
inline constexpr const wchar_t* asosiySinf = L"HarfnurAsosiy";
inline constexpr const wchar_t* asosiyNom = L"Harfnur";
UINT oynaniOchXabari();

// Messages of our own on the hidden window.
inline constexpr UINT ishXabari = WM_APP + 1, keyinXabari = WM_APP + 2, trayXabari = WM_APP + 3;

}  // namespace harfnur::windows_

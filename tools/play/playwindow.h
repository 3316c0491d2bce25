// kavimo-play's window: a top-level X window with a native child window that the video is drawn
// into, as the application's video pane is a native child of its dialog. X11 stays in this file.
#pragma once

#include <cstdint>
#include <string>

class PlayWindow {
public:
    PlayWindow() = default;
    ~PlayWindow();
    PlayWindow(const PlayWindow&) = delete;
    PlayWindow& operator=(const PlayWindow&) = delete;

    // Opens the X display and shows the window with a video pane of width x height; false with the
    // reason when there is no X server.
    bool Open(int width, int height, const std::string& title, std::string* error);

    // The video pane's X window id, for TEGMO_PLAY_CreateVideoPlay.
    uintptr_t PaneId() const { return m_pane; }

    // Handles pending window events (the pane follows the window's size); false once the window
    // was closed.
    bool ProcessEvents();

    // Reads the pane's pixels back from the X server and writes them as a 24-bit BMP file.
    bool SavePaneAsBmp(const std::string& path, std::string* error);

private:
    void* m_display = nullptr;  // Display*
    unsigned long m_window = 0;
    unsigned long m_pane = 0;
    unsigned long m_deleteAtom = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_closed = false;
};

// An X server and a plain X window for the render tests. Kept in its own source file so that the
// X11 headers reach no other test source.
#pragma once

#include <cstdint>
#include <string>

// Makes sure an X server can be reached: a private Xvfb started for this test program (DISPLAY is
// then set to it), or else the one DISPLAY names. False, with the reason, when there is none.
bool EnsureXServer(std::string* reason);

// A top-level window that the window manager leaves alone, mapped and ready to be drawn into.
class TestWindow {
public:
    TestWindow(int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    bool Valid() const { return m_window != 0; }
    uintptr_t Id() const { return m_window; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The colour at (x, y) as 0xRRGGBB, read back from the server; 0xFFFFFFFF on failure.
    uint32_t Pixel(int x, int y);
    // Reads the whole window once; PixelAt then answers from that copy.
    bool Capture();
    uint32_t PixelAt(int x, int y) const;

    void Resize(int width, int height);
    // Destroys the X window now (the object stays, without a window).
    void Destroy();

private:
    void* m_display = nullptr;  // Display*
    unsigned long m_window = 0;
    int m_width;
    int m_height;
    uint32_t* m_pixels = nullptr;
};

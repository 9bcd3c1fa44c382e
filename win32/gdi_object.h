#pragma once

#include <windows.h>

// A GDI object the window makes, freed when it goes or is replaced.
class GdiObject
{
public:
    GdiObject() = default;
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;

    void reset(HGDIOBJ object = nullptr)
    {
        if (held)
            DeleteObject(held);
        held = object;
    }
    HGDIOBJ get() const { return held; }

private:
    HGDIOBJ held = nullptr;
};

#include "option_group.h"

namespace quiz::optiongroup {

int buttonForKey(Key key, int focused, int count)
{
    if (count <= 0)
        return -1;
    switch (key) {
    case Key::Down:
    case Key::Right:
        return (focused + 1) % count;
    case Key::Up:
    case Key::Left:
        return (focused + count - 1) % count;
    case Key::Space:
        break;
    }
    return focused;
}

int tabStop(int on)
{
    return on < 0 ? 0 : on;
}

} // namespace quiz::optiongroup

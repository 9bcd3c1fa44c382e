#pragma once

// How a group of option buttons of Windows answers the keys, as plain rules
// over the buttons' indices; the front ends that draw their own buttons do
// what they answer, and the Windows window has the buttons themselves.
namespace quiz::optiongroup {

enum class Key { Up, Down, Left, Right, Space };

// The button a key moves the focus to and turns on, from the one with the
// focus: Down and Right the next, Up and Left the one before, round the
// group; Space the focused one itself. Either is a click on that button.
int buttonForKey(Key key, int focused, int count);

// The group is one stop of Tab and Shift+Tab, where the focus lands: the
// button that is on, or the first while none is (`on` is -1).
int tabStop(int on);

} // namespace quiz::optiongroup

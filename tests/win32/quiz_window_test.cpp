// The real Windows window, driven in this process with real messages and
// input events (SendInput), as a pupil's mouse and keyboard would.
#include "catalogue.h"
#include "form_design.h"
#include "play_table.h"
#include "quiz_window.h"
#include "text.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace design = quiz::design;
using quiz::QuizCatalogue;

namespace {

constexpr int Estuary = 1;

int pixelsAt(int twips, UINT dpi = USER_DEFAULT_SCREEN_DPI)
{
    return MulDiv(twips, static_cast<int>(dpi), design::TwipsPerPixel * USER_DEFAULT_SCREEN_DPI);
}

COLORREF colorRef(design::Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

class QuizWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        ASSERT_TRUE(QuizWindow::registerClass(instance));
        ASSERT_TRUE(form.create(instance));
        ShowWindow(form.handle(), SW_SHOWNORMAL);
        SetForegroundWindow(form.handle());
        UpdateWindow(form.handle());
        pump();
    }

    void TearDown() override
    {
        if (form.handle())
            DestroyWindow(form.handle());
        pump();
    }

    // Runs the loop the program runs until nothing is left to do; tells the
    // exit code when the window has asked the loop to end.
    int pump(int rounds = 20)
    {
        int quit = -1;
        for (int round = 0; round < rounds; ++round) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT)
                    quit = static_cast<int>(message.wParam);
                else if (!form.handle() || !IsDialogMessageW(form.handle(), &message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            Sleep(10);
        }
        return quit;
    }

    static INPUT keyInput(WORD key, DWORD flags = 0)
    {
        INPUT k {};
        k.type = INPUT_KEYBOARD;
        k.ki.wVk = key;
        k.ki.dwFlags = flags;
        return k;
    }

    static INPUT mouseInput(DWORD flags)
    {
        INPUT m {};
        m.type = INPUT_MOUSE;
        m.mi.dwFlags = flags;
        return m;
    }

    // Real input events, then `rounds` of the loop; tells the exit code as pump does.
    int send(std::vector<INPUT> inputs, int rounds = 20)
    {
        EXPECT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
        return pump(rounds);
    }

    // The pointer put on a point of the screen, and a move reported there.
    void pointAt(POINT at, int rounds = 20)
    {
        SetCursorPos(at.x, at.y);
        send({mouseInput(MOUSEEVENTF_MOVE)}, rounds);
    }

    // A click of the left button a few pixels into a control.
    void click(ControlId id, int x = 6, int y = 6)
    {
        RECT r;
        GetWindowRect(form.control(id), &r);
        SetCursorPos(r.left + x, r.top + y);
        send({mouseInput(MOUSEEVENTF_MOVE), mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
    }

    // A key, held with a modifier if one is given; tells the exit code as pump does.
    int press(WORD key, WORD modifier = 0, DWORD flags = 0, int rounds = 20)
    {
        std::vector<INPUT> keys;
        if (modifier)
            keys.push_back(keyInput(modifier));
        keys.push_back(keyInput(key, flags));
        keys.push_back(keyInput(key, flags | KEYEVENTF_KEYUP));
        if (modifier)
            keys.push_back(keyInput(modifier, KEYEVENTF_KEYUP));
        return send(keys, rounds);
    }

    std::string message() const { return form.messageText(); }
    std::string firstLine() const { return message().substr(0, message().find("\r\n")); }
    int riverCount() const { return form.listCount(quiz::RiverList); }

    RECT placeOf(ControlId id) const
    {
        RECT r;
        GetWindowRect(form.control(id), &r);
        MapWindowPoints(HWND_DESKTOP, form.handle(), reinterpret_cast<POINT *>(&r), 2);
        return r;
    }

    COLORREF pixel(int x, int y) const
    {
        const HDC dc = GetDC(form.handle());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(form.handle(), dc);
        return colour;
    }

    // Each control's place in the client area, and that area, at the window's resolution.
    void expectLaidOutAt(UINT dpi) const
    {
        RECT client;
        GetClientRect(form.handle(), &client);
        EXPECT_EQ(client.right, pixelsAt(design::ClientArea.width, dpi)) << "at " << dpi << " dpi";
        EXPECT_EQ(client.bottom, pixelsAt(design::ClientArea.height, dpi)) << "at " << dpi << " dpi";
        for (ControlId id :
             {IdLabel1Title, IdLabel1RiverHeading, IdFrame1, IdOption1Last, IdList1, IdCommand1, IdText1}) {
            const RECT r = placeOf(id);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
                << "control " << id << " at " << dpi << " dpi";
        }
        const RECT list = placeOf(IdList1);
        EXPECT_EQ(list.left, pixelsAt(design::RiverListPlace.left, dpi));
        EXPECT_EQ(list.bottom - list.top, pixelsAt(design::RiverListPlace.height, dpi));
    }

    QuizWindow form;
};

TEST_F(QuizWindowTest, OpensWithTheFullListNoTypeAndTheAssignmentInFocus)
{
    ASSERT_EQ(riverCount(), QuizCatalogue::entryCount());
    for (int p = 0; p < riverCount(); ++p)
        EXPECT_EQ(form.listItem(quiz::RiverList, p), QuizCatalogue::name(p)) << "row " << p;
    EXPECT_EQ(form.listSelection(quiz::RiverList), -1);
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
        EXPECT_FALSE(form.isTypeButtonOn(i));
        EXPECT_EQ(form.typeButtonCaption(i), QuizCatalogue::typeCaption(i));
    }
    EXPECT_EQ(message(), design::Assignment);
    EXPECT_EQ(GetFocus(), form.control(IdText1));
}

TEST_F(QuizWindowTest, TheWindowIsFixedWithOnlyACloseBoxAndTheDesignedTitle)
{
    RECT client;
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, pixelsAt(design::ClientArea.width));
    EXPECT_EQ(client.bottom, pixelsAt(design::ClientArea.height));
    const LONG_PTR style = GetWindowLongPtrW(form.handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    wchar_t title[256];
    GetWindowTextW(form.handle(), title, 256);
    const std::string text = narrow(title);
    EXPECT_TRUE(text.ends_with(" " + std::string(design::TitleText))) << text;
}

struct Placed
{
    ControlId id;
    design::Twips place;
};

TEST_F(QuizWindowTest, EachControlStandsInItsDesignedPlace)
{
    const auto inFrame = [](design::Twips t) {
        return design::Twips {design::FramePlace.left + t.left, design::FramePlace.top + t.top, t.width, t.height};
    };
    const Placed controls[] = {
        {IdLabel1Title, design::Label1[0].place},
        {IdLabel1RiverHeading, design::Label1[1].place},
        {IdFrame1, design::FramePlace},
        {IdOption1First, inFrame(design::optionPlace(0))},
        {IdOption1Last, inFrame(design::optionPlace(2))},
        {IdList1, design::RiverListPlace},
        {IdCommand1, design::ClearPlace},
        {IdText1, design::MessageBoxPlace},
    };
    for (const Placed &c : controls) {
        const RECT r = placeOf(c.id);
        EXPECT_EQ(r.left, pixelsAt(c.place.left)) << "control " << c.id;
        EXPECT_EQ(r.top, pixelsAt(c.place.top)) << "control " << c.id;
        EXPECT_EQ(r.right - r.left, pixelsAt(c.place.width)) << "control " << c.id;
        EXPECT_EQ(r.bottom - r.top, pixelsAt(c.place.height)) << "control " << c.id;
    }
}

TEST_F(QuizWindowTest, EveryBackgroundIsPaintedInItsColour)
{
    struct Spot
    {
        const char *what;
        int x, y;
        COLORREF colour;
    };
    const RECT frame = placeOf(IdFrame1);
    const RECT option = placeOf(IdOption1Last);
    const RECT label = placeOf(IdLabel1Title);
    const RECT list = placeOf(IdList1);
    const RECT clear = placeOf(IdCommand1);
    const RECT box = placeOf(IdText1);
    const Spot spots[] = {
        {"window", 3, 3, colorRef(design::WindowColour)},
        {"label", label.left + 3, label.bottom - 3, colorRef(design::LabelColour)},
        {"inside of the frame", frame.left + 4, frame.bottom - 4, colorRef(design::FrameColour)},
        {"type button", option.right - 3, option.bottom - 3, colorRef(design::OptionColour)},
        {"river list", list.right - 30, list.bottom - 5, GetSysColor(COLOR_ACTIVECAPTION)},
        {"Изчисти", clear.left + 6, clear.bottom - 6, colorRef(design::ClearColour)},
        {"message box", box.right - 30, box.bottom - 6, GetSysColor(COLOR_WINDOW)},
    };
    for (const Spot &s : spots)
        EXPECT_EQ(pixel(s.x, s.y), s.colour) << s.what << " at " << s.x << "," << s.y;
}

TEST_F(QuizWindowTest, ATurnWithTheMouseGivesTheVerdictAndUsesTheRiverUp)
{
    click(ControlId(IdOption1First + Estuary));
    EXPECT_TRUE(form.isTypeButtonOn(Estuary));
    EXPECT_EQ(message(), "");
    click(IdList1, 20, 6);
    EXPECT_EQ(firstLine(), "Вярно. Устието на Амур е естуар.");
    EXPECT_EQ(riverCount(), QuizCatalogue::entryCount() - 1);
    EXPECT_EQ(form.listItem(quiz::RiverList, 0), QuizCatalogue::name(1));
    EXPECT_FALSE(form.isTypeButtonOn(Estuary));
    EXPECT_EQ(form.listSelection(quiz::RiverList), -1);

    // With no type on, a pick is only taken back.
    click(IdList1, 20, 6);
    EXPECT_EQ(riverCount(), QuizCatalogue::entryCount() - 1);
    EXPECT_EQ(form.listSelection(quiz::RiverList), -1);
    EXPECT_EQ(firstLine(), "Вярно. Устието на Амур е естуар.");
}

// If turning the buttons off from the program reached the game as a choice,
// the first choice after the reset would empty the box at once.
TEST_F(QuizWindowTest, ButtonsTheProgramTurnsOffMakeNoChoice)
{
    click(ControlId(IdOption1First + Estuary));
    click(IdCommand1, 20, 10);
    EXPECT_EQ(message(), "Нов избор");
    EXPECT_FALSE(form.quiz().typeChosen());
    EXPECT_FALSE(form.quiz().logCleared());
    EXPECT_FALSE(form.isTypeButtonOn(Estuary));
    EXPECT_EQ(riverCount(), QuizCatalogue::entryCount());
}

TEST_F(QuizWindowTest, TabAndShiftTabFollowTheDesignedOrder)
{
    const std::vector<int> order = {IdText1, IdList1, IdCommand1, IdOption1First};
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), order[0]);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        press(VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[i % order.size()]) << "after Tab number " << i;
    }
    for (std::size_t i = order.size(); i > 0; --i) {
        press(VK_TAB, VK_SHIFT);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[i - 1]) << "after Shift+Tab number " << order.size() + 1 - i;
    }
}

TEST_F(QuizWindowTest, AtAnotherResolutionLayoutAndFontScaleAlike)
{
    constexpr UINT dpi = 144;
    RECT suggested;
    GetWindowRect(form.handle(), &suggested);
    SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
    // The frame around the client area is Wine's, which stays at 96 dpi
    // here; the client area, the controls and the font are the window's own.
    expectLaidOutAt(dpi);
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.control(IdText1), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(design::TextFont.points, dpi, 72));
    EXPECT_EQ(narrow(font.lfFaceName), design::TextFont.family);
    EXPECT_EQ(font.lfCharSet, design::TextFont.characterSet);
    EXPECT_EQ(font.lfWeight, design::TextFont.weight);
}

// Run in a prefix of its own at 120 and 192 dpi too (RMQ_EXPECTED_DPI).
TEST_F(QuizWindowTest, OpensAtItsScreensResolutionWithEveryControlInside)
{
    const HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    if (const char *expected = std::getenv("RMQ_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, static_cast<UINT>(std::atoi(expected)));
    }
    expectLaidOutAt(dpi);
}

TEST_F(QuizWindowTest, AMaximisedStartOpensAtTheFixedSize)
{
    form.show(SW_SHOWMAXIMIZED);
    pump();
    EXPECT_FALSE(IsZoomed(form.handle()));
    expectLaidOutAt(USER_DEFAULT_SCREEN_DPI);
}

// The heading's lower edge lies one pixel over the list's upper one.
TEST_F(QuizWindowTest, TheRiverListsBorderIsWholeUnderItsHeading)
{
    const RECT list = placeOf(IdList1);
    ASSERT_LT(list.top, placeOf(IdLabel1RiverHeading).bottom);
    const COLORREF border = pixel(list.left + 2, list.top);
    EXPECT_NE(border, colorRef(design::LabelColour));
    for (int x = list.left + 2; x < list.right - 2; x += 7)
        EXPECT_EQ(pixel(x, list.top), border) << "at " << x;
}

// High contrast turns the theme off, and the classic look fills a well in
// the system's window colour.
TEST_F(QuizWindowTest, TypeButtonsKeepWhiteWellsInADarkScheme)
{
    const int element = COLOR_WINDOW;
    const COLORREF light = GetSysColor(element);
    const COLORREF dark = RGB(16, 16, 16);
    SetSysColors(1, &element, &dark);
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i)
        SetWindowTheme(form.control(ControlId(IdOption1First + i)), L" ", L" ");
    click(ControlId(IdOption1First + Estuary));
    for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
        // The circle stands in a square of two thirds of the button's height at its left.
        const RECT button = placeOf(ControlId(IdOption1First + i));
        const int side = (button.bottom - button.top) * 2 / 3;
        const int top = (button.top + button.bottom - side) / 2;
        int well = 0;
        int mark = 0;
        int black = 0;
        for (int y = top; y < top + side; ++y) {
            for (int x = button.left; x < button.left + side; ++x) {
                const COLORREF colour = pixel(x, y);
                well += colour == colorRef(design::IndicatorWellColour);
                mark += colour == colorRef(design::CaptionColour);
                black += colour == dark;
            }
        }
        EXPECT_GE(well, 15) << "button " << i;
        EXPECT_EQ(black, 0) << "button " << i;
        EXPECT_EQ(mark > 0, i == Estuary) << "button " << i;
    }
    SetSysColors(1, &element, &light);
}

// Esc, Enter and Tab into the message box are in the table of play below.
TEST_F(QuizWindowTest, TheCloseBoxEndsTheLoopWithStatusZero)
{
    SendMessageW(form.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(pump(), 0);
    EXPECT_EQ(form.handle(), nullptr);
}

TEST_F(QuizWindowTest, AltF4EndsTheLoopWithStatusZero)
{
    EXPECT_EQ(press(VK_F4, VK_MENU), 0);
    EXPECT_EQ(form.handle(), nullptr);
}

// The table of play, played on the real window with real input.
} // namespace

namespace play {
void PrintTo(const Play &p, std::ostream *out)
{
    *out << '"' << p.title << '"';
}
} // namespace play

namespace {

class PlayTest : public QuizWindowTest, public ::testing::WithParamInterface<play::Play>
{
protected:
    // The few rounds of the loop that one input needs.
    static constexpr int Rounds = 2;

    void key(const std::string &name)
    {
        // The arrows and the keys above them, and the keypad's Enter, are
        // extended keys.
        constexpr DWORD Extended = KEYEVENTF_EXTENDEDKEY;
        static const std::map<std::string, std::pair<WORD, DWORD>> keys = {
            {"Tab", {VK_TAB, 0}},
            {"Space", {VK_SPACE, 0}},
            {"Enter", {VK_RETURN, 0}},
            {"KeypadEnter", {VK_RETURN, Extended}},
            {"Escape", {VK_ESCAPE, 0}},
            {"Up", {VK_UP, Extended}},
            {"Down", {VK_DOWN, Extended}},
            {"Left", {VK_LEFT, Extended}},
            {"Right", {VK_RIGHT, Extended}},
            {"Home", {VK_HOME, Extended}},
            {"End", {VK_END, Extended}},
            {"PageUp", {VK_PRIOR, Extended}},
            {"PageDown", {VK_NEXT, Extended}},
        };
        if (name == "Shift+Tab") {
            press(VK_TAB, VK_SHIFT, 0, Rounds);
        } else if (const auto named = keys.find(name); named != keys.end()) {
            const auto [vk, flags] = named->second;
            press(vk, 0, flags, Rounds);
        } else {
            // A character as typed, whatever the keyboard's layout.
            const std::wstring typed = widen(name);
            ASSERT_EQ(typed.size(), 1u) << name;
            INPUT down = keyInput(0, KEYEVENTF_UNICODE);
            down.ki.wScan = typed[0];
            INPUT up = down;
            up.ki.dwFlags |= KEYEVENTF_KEYUP;
            send({down, up}, Rounds);
        }
    }

    void mouse(DWORD flags) { send({mouseInput(flags)}, Rounds); }

    void moveTo(POINT at) { pointAt(at, Rounds); }

    // The loop run while the button is held, as long as a pupil would hold it.
    void hold(int milliseconds)
    {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        while (GetTickCount64() < end)
            pump(1);
    }

    int rowOf(const std::string &name) const
    {
        return static_cast<int>(SendMessageW(form.control(IdList1), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(widen(name).c_str())));
    }

    bool inSight(int row) const
    {
        const HWND list = form.control(IdList1);
        RECT shown;
        GetClientRect(list, &shown);
        RECT r;
        return row >= 0 && row < riverCount()
            && SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r)) != LB_ERR && r.top >= 0
            && r.bottom <= shown.bottom;
    }

    // The middle of a row on the screen, the list scrolled to show it.
    POINT rowCentre(int row) const
    {
        const HWND list = form.control(IdList1);
        RECT shown;
        GetClientRect(list, &shown);
        RECT r;
        SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        if (r.top < 0 || r.bottom > shown.bottom) {
            SendMessageW(list, LB_SETTOPINDEX, row, 0);
            SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        }
        POINT centre {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list, &centre);
        return centre;
    }

    POINT inside(ControlId id, int x, int y) const
    {
        POINT at {x, y};
        ClientToScreen(form.control(id), &at);
        return at;
    }

    void act(const play::Action &action)
    {
        switch (action.kind) {
        case play::Action::Click: {
            POINT at {};
            if (action.control == "type") {
                int index = 0;
                while (index < QuizCatalogue::LastTypeIndex && QuizCatalogue::typeCaption(index) != action.name)
                    ++index;
                const ControlId id = ControlId(IdOption1First + index);
                RECT r;
                GetClientRect(form.control(id), &r);
                at = inside(id, 30, r.bottom / 2);
            } else if (action.control == "river") {
                at = rowCentre(rowOf(action.name));
            } else if (action.control == "clear") {
                at = inside(IdCommand1, 20, 10);
            } else {
                at = inside(IdText1, 20, 10);
            }
            moveTo(at);
            mouse(MOUSEEVENTF_LEFTDOWN);
            mouse(MOUSEEVENTF_LEFTUP);
            break;
        }
        case play::Action::Slide: {
            const int from = rowOf(action.name);
            POINT at = rowCentre(from);
            moveTo(at);
            mouse(MOUSEEVENTF_LEFTDOWN);
            RECT list;
            GetWindowRect(form.control(IdList1), &list);
            if (action.beyond != play::Action::No) {
                // Over the rows in sight, then just past the list's edge,
                // where the list scrolls on its own while the button is held.
                const int step = action.beyond == play::Action::Below ? 1 : -1;
                for (int row = from + step; inSight(row); row += step)
                    moveTo(rowCentre(row));
                at.y = step > 0 ? list.bottom + 4 : list.top - 5;
                moveTo(at);
                hold(play::HeldBeyondTheListMs);
            } else {
                const auto slideOver = [&](int row, int to) {
                    while (row != to) {
                        row += to > row ? 1 : -1;
                        at.y = rowCentre(row).y;
                        moveTo(at);
                    }
                };
                slideOver(from, rowOf(action.to));
                if (action.out) {
                    at.x = list.right + 12;
                    moveTo(at);
                }
                if (!action.besideTo.empty())
                    slideOver(rowOf(action.to), rowOf(action.besideTo));
            }
            mouse(MOUSEEVENTF_LEFTUP);
            break;
        }
        case play::Action::Key:
            for (const std::string &name : action.keys)
                key(name);
            break;
        }
    }

    play::Shown shown() const
    {
        play::Shown now;
        if (!form.handle()) {
            now.focus = "none, the window is gone";
            return now;
        }
        now.message = form.messageText();
        for (int p = 0; p < riverCount(); ++p)
            now.rivers.push_back(form.listItem(quiz::RiverList, p));
        const HWND list = form.control(IdList1);
        if (const int selected = form.listSelection(quiz::RiverList); selected >= 0)
            now.selected = form.listItem(quiz::RiverList, selected);
        if (riverCount() > 0)
            now.framed = form.listItem(quiz::RiverList, static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)));
        for (int i = 0; i <= QuizCatalogue::LastTypeIndex; ++i) {
            if (form.isTypeButtonOn(i))
                now.on = QuizCatalogue::typeCaption(i);
        }
        const HWND focus = GetFocus();
        const int id = focus && GetParent(focus) == form.handle() ? GetDlgCtrlID(focus) : 0;
        if (id == IdText1) {
            DWORD start = 0;
            DWORD end = 0;
            SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            now.focus = play::messageBoxFocus(start != end, SendMessageW(focus, EM_GETFIRSTVISIBLELINE, 0, 0) != 0);
        } else if (id == IdList1) {
            now.focus = "list";
        } else if (id == IdCommand1) {
            now.focus = "clear";
        } else if (id >= IdOption1First && id <= IdOption1Last) {
            now.focus = "type " + std::string(QuizCatalogue::typeCaption(id - IdOption1First));
        } else if (focus) {
            now.focus = "control " + std::to_string(id);
        }
        return now;
    }
};

TEST_P(PlayTest, ShowsWhatTheTableSays)
{
    for (const std::string &difference : play::playThrough(
             GetParam(), [this](const play::Action &action) { act(action); }, [this] { return shown(); }))
        ADD_FAILURE() << difference;
}

INSTANTIATE_TEST_SUITE_P(Table, PlayTest, ::testing::ValuesIn(play::builtInPlays(std::string(design::Assignment))),
                         [](const ::testing::TestParamInfo<play::Play> &info) {
                             return play::testName(info.param.title);
                         });

} // namespace

#pragma once

#include "catalogue.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

// What the quiz's window shows, written once for every window that shows it:
// texts, places, colours, the font and the order of the keyboard focus. Each
// window maps these onto its own toolkit's controls.
namespace quiz::design {

// A place on the form's grid, in twips: 15 to a pixel at 96 dots per inch.
struct Twips
{
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int TwipsPerPixel = 15;

struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// How bright a colour is to the eye, from 0 (black) to 1 (white): each
// channel taken off the sRGB curve, then weighted as the eye sees it.
inline double relativeLuminance(Rgb colour)
{
    const auto linear = [](std::uint8_t channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

// How far apart two colours stand, from 1:1 (the same) to 21:1 (black on white).
inline double contrastRatio(Rgb one, Rgb other)
{
    const double a = relativeLuminance(one) + 0.05;
    const double b = relativeLuminance(other) + 0.05;
    return a > b ? a / b : b / a;
}

// Black or white, whichever contrasts more with the background; one of them
// always reaches 4.5:1.
inline Rgb readableTextOn(Rgb background)
{
    constexpr Rgb black {0, 0, 0};
    constexpr Rgb white {255, 255, 255};
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

// The title bar reads the publisher's web address, a blank, then this.
inline constexpr std::string_view TitleText = "География - вид устие на река";

inline constexpr Twips ClientArea {0, 0, 6915, 5175};
inline constexpr Rgb WindowColour {192, 192, 255};

struct Font
{
    std::string_view family;
    int points;
    int weight;
    int characterSet;
};

// Regular weight, in the Cyrillic character set.
inline constexpr Font TextFont {"Times New Roman", 12, 400, 204};

struct Label
{
    std::string_view text;
    Twips place;
};

// Both labels are centred on the same colour.
inline constexpr std::array<Label, 2> Label1 = {{
    {"География - устие на река - делта, естуар", {480, 0, 5895, 375}},
    {"Имена на реки", {2760, 480, 3975, 375}},
}};
inline constexpr Rgb LabelColour {255, 192, 128};

inline constexpr std::string_view FrameCaption = "Устие на река";
inline constexpr Twips FramePlace {120, 480, 2175, 1335};
inline constexpr Rgb FrameColour {128, 255, 255};

// The type buttons stand one under the other inside the frame, in the order of
// their indices; their captions are the catalogue's mouth types.
constexpr Twips optionPlace(int index)
{
    return {120, 300 + 300 * index, 1935, 300};
}
inline constexpr Rgb OptionColour {128, 128, 255};
static_assert(QuizCatalogue::MouthTypes.size() == 3, "the frame has room for three type buttons");

// The river list is painted in the system's active-title-bar colour; where a
// system has no such colour, the one Windows gives it by default stands in.
inline constexpr Twips RiverListPlace {2760, 840, 3975, 1485};
inline constexpr Rgb ActiveTitleBarStandIn {153, 180, 209};

inline constexpr std::string_view ClearCaption = "Изчисти";
inline constexpr Twips ClearPlace {3960, 2520, 1695, 375};
inline constexpr Rgb ClearColour {255, 128, 128};

// The raised, pressed and etched edges of the controls painted in colours of
// their own: the system's 3-D colours, as Windows gives them by default.
inline constexpr Rgb EdgeHighlight {255, 255, 255};
inline constexpr Rgb EdgeLight {227, 227, 227};
inline constexpr Rgb EdgeShadow {160, 160, 160};
inline constexpr Rgb EdgeDarkShadow {105, 105, 105};

// Texts and the marks of the type buttons on any of the colours above, and the
// well of a type button's circle, whatever the desktop's own colours.
inline constexpr Rgb CaptionColour {0, 0, 0};
inline constexpr Rgb IndicatorWellColour {255, 255, 255};

// Where the program draws its window's frame and title bar itself: the title
// bar's colour when the window is not the active one (Windows' default, as for
// the active one above), the close box under the pointer and held down, and
// the close box's name, which a screen reader says and its tip shows.
inline constexpr Rgb InactiveTitleBarStandIn {191, 205, 219};
inline constexpr Rgb CloseBoxHotColour {232, 17, 35};
inline constexpr Rgb CloseBoxDownColour {241, 112, 122};
inline constexpr std::string_view CloseBoxName = "Затвори";

// The message box keeps the platform's own colours. Its name is what a screen
// reader says of it, since it has no caption.
inline constexpr Twips MessageBoxPlace {120, 3120, 6735, 1815};
inline constexpr std::string_view MessageBoxName = "Съобщения";

// Shown in the message box when the window opens; eleven lines, each ending
// with CR LF, 947 characters in all.
inline constexpr std::string_view Assignment
    = "Да се състави проект, представящ междупредметна връзка География и Информатика. \r\n"
      "Тема на проекта: География - река, делта, естуар.\r\n"
      "Проектът да съдържа:\r\n"
      " група от радиобутони - представящи вид устие на река, азбучно подредени;\r\n"
      " списък с имена на реки, също азбучно подредени.\r\n"
      "Броят обекти от двете групи не е непременно равен, но имената са уникални. Потребителят трябва да посочи по "
      "един обект от двете групи в указаната последователност. Всяко посочване от списъчното поле води до изтриване "
      "на реда с посоченото произведение и съобщение дали връзката между двата обекта е вярна или не. \r\n"
      "В проекта са въведени реките: Волга, Ганг, Дунав, Инд, Нигер, Нил, Рейн, Амур, Гарона, Делауеър, Елба, "
      "Енисей, Колорадо, Парана, Сейнт Лорънс, Темза.\r\n"
      "\r\n"
      "Командният бутон \"Изчисти\" дава възможност за начална инициализация. \r\n"
      "Прочете допълнително материал за известни реки и техните устия, както и за делта, естуар, лагуна, лиман, "
      "лонгози, пясъчна коса.\r\n";

// Where the form is a page in a browser that cannot run it: one sentence for a
// browser with its script turned off, one for a browser without WebAssembly,
// each said in place of the form.
inline constexpr std::string_view NoScriptNote
    = "Тази страница е урок-игра и има нужда от JavaScript, който в този браузър е изключен. Включете JavaScript "
      "и отворете страницата отново.";
inline constexpr std::string_view NoWebAssemblyNote
    = "Тази страница е урок-игра и има нужда от WebAssembly, който този браузър не поддържа или е изключил. "
      "Отворете я в по-нов браузър или там, където WebAssembly е разрешен.";

// The controls that take the keyboard focus, in the order Tab visits them. The
// message box has the focus when the window opens; the type buttons are one
// stop, as a group.
enum class FocusStop { MessageBox, RiverList, ClearButton, TypeButtons };
inline constexpr std::array<FocusStop, 4> TabOrder
    = {FocusStop::MessageBox, FocusStop::RiverList, FocusStop::ClearButton, FocusStop::TypeButtons};

} // namespace quiz::design

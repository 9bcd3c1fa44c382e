#pragma once

#include "announcer.h"
#include "answer_key_lists.h"
#include "control_table.h"
#include "game.h"
#include "gdi_object.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

// The quiz's only window, on the platform's own controls. It owns every
// control, lends them to the game as a QuizView, and hands each event straight
// on to the game. The object must outlive its window.
class QuizWindow : public quiz::QuizView
{
public:
    QuizWindow() = default;
    ~QuizWindow() override;
    QuizWindow(const QuizWindow &) = delete;
    QuizWindow &operator=(const QuizWindow &) = delete;

    static bool registerClass(HINSTANCE instance);
    // Creates the window with its controls and loads the quiz; shows nothing.
    bool create(HINSTANCE instance);
    // Shows the window as the program was started to show it, but never maximised.
    void show(int showCommand);
    HWND handle() const { return window; }
    HWND control(ControlId id) const { return GetDlgItem(window, id); }
    const quiz::QuizGame &quiz() const { return game; }

    int listCount(int list) const override;
    std::string listItem(int list, int position) const override;
    void clearList(int list) override;
    void appendToList(int list, const std::string &text) override;
    void removeListItem(int list, int position) override;
    int listSelection(int list) const override;
    void selectInList(int list, int position) override;

    bool isTypeButtonOn(int index) const override;
    void turnTypeButtonOff(int index) override;
    std::string typeButtonCaption(int index) const override;

    std::string messageText() const override;
    void setMessageText(const std::string &text) override;
    void announce(const std::string &line) override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool onCreate();
    void onNcDestroy();
    void onActivate(WPARAM state);
    void onCommand(int id, int code);
    LRESULT onNotify(const NMHDR &header);
    LRESULT onCtlColor(HDC dc, HWND control);
    void onDrawItem(const DRAWITEMSTRUCT &item);
    void onEraseBackground(HDC dc);
    void onDpiChanged(UINT newDpi, const RECT &suggested);

    void layOut();
    LRESULT toRiverList(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(control(IdList1), message, wParam, lParam);
    }

    HWND window = nullptr;
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    GdiObject font;
    Brushes brushes;
    // Where the keyboard focus was when the window last lost it.
    HWND focused = nullptr;
    // List1 elements 1 to 3, which are never shown: the window keeps them as
    // plain lists.
    quiz::AnswerKeyLists answerKey;
    Announcer announcer;

    quiz::QuizGame game {*this};
};

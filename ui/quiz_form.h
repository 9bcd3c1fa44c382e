#pragma once

#include "game.h"

#include <QWidget>

#include <array>

class Announcer;
class QButtonGroup;
class QGroupBox;
class QItemSelectionModel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStringListModel;
class RiverList;

// The quiz's only window. It owns every control, lends them to the game as a
// QuizView, and hands each event straight on to the game.
class QuizForm : public QWidget, public quiz::QuizView
{
    Q_OBJECT

public:
    explicit QuizForm(QWidget *parent = nullptr);
    ~QuizForm() override;

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
    void createControls();
    void connectEvents();

    // A list of the answer key: the river list on screen is element 0, the
    // working and master codes and the master names are never shown.
    struct ListControl
    {
        QStringListModel *items = nullptr;
        QItemSelectionModel *selection = nullptr;
    };

    std::array<QLabel *, 2> Label1 {};
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 3> Option1 {};
    QButtonGroup *Option1Group = nullptr;
    RiverList *riverList = nullptr;
    std::array<ListControl, 4> List1 {};
    QPushButton *Command1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    Announcer *announcer = nullptr;

    quiz::QuizGame game;
};

#include "quiz_form.h"

#include "answer_key_lists.h"

#include "announcer.h"
#include "catalogue.h"
#include "clear_button.h"
#include "config.h"
#include "design_colour.h"
#include "design_text.h"
#include "etched_frame.h"
#include "fixed_window.h"
#include "form_design.h"
#include "river_list.h"
#include "type_button.h"
#include "whole_border_style.h"
#include "window_icon.h"

#include <QApplication>
#include <QButtonGroup>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextDocument>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

namespace design = quiz::design;

QRect pixels(const design::Twips &place)
{
    constexpr int k = design::TwipsPerPixel;
    return {place.left / k, place.top / k, place.width / k, place.height / k};
}

// Windows has a colour for the active title bar; elsewhere its default stands in.
QColor activeTitleBarColour()
{
#ifdef Q_OS_WIN
    const COLORREF c = GetSysColor(COLOR_ACTIVECAPTION);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    return colour(design::ActiveTitleBarStandIn);
#endif
}

// A whole palette made from the control's own colour: its texts, the type
// buttons' circles and marks and a list's scroll bar stay readable on it,
// whatever colours the desktop gives everything else.
QPalette ownPalette(const QColor &face)
{
    QPalette palette(face);
    const QColor text = colour(design::CaptionColour);
    const QColor well = colour(design::IndicatorWellColour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, well);
    return palette;
}

// Fills the whole widget with one colour, the same under every style.
void paintFlat(QWidget *widget, const QColor &colour)
{
    // Buttons would fill with their button colour, which also shades their
    // indicators: fill with the window colour instead.
    widget->setBackgroundRole(QPalette::Window);
    widget->setForegroundRole(QPalette::WindowText);
    widget->setPalette(ownPalette(colour));
    widget->setAutoFillBackground(true);
}

} // namespace

QuizForm::QuizForm(QWidget *parent)
    : QWidget(parent)
    , game(*this)
{
    createControls();
    connectEvents();
    game.LoadQuiz();
}

QuizForm::~QuizForm() = default;

void QuizForm::createControls()
{
    setWindowTitle(QString::fromUtf8(config::PublisherUrl) + u' ' + fromUtf8(design::TitleText));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    new FixedWindowGuard(this, pixels(design::ClientArea).size());
    // Only the window's own colour: the message box follows the desktop.
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, colour(design::WindowColour));
    setPalette(windowPalette);
    setAutoFillBackground(true);

    // The points at 96 dots per inch, given in pixels so that the texts fit
    // their boxes whatever resolution the screen reports.
    QFont font(fromUtf8(design::TextFont.family));
    font.setPixelSize(design::TextFont.points * 96 / 72);
    font.setWeight(QFont::Weight(design::TextFont.weight));
    setFont(font);

    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(fromUtf8(design::Label1[i].text), this);
        Label1[i]->setGeometry(pixels(design::Label1[i].place));
        Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paintFlat(Label1[i], colour(design::LabelColour));
    }

    Frame1 = new EtchedFrame(fromUtf8(design::FrameCaption), this);
    Frame1->setGeometry(pixels(design::FramePlace));
    paintFlat(Frame1, colour(design::FrameColour));

    Option1Group = new QButtonGroup(this);
    for (int i = 0; i <= quiz::QuizCatalogue::LastTypeIndex; ++i) {
        Option1[i] = new TypeButton(fromUtf8(quiz::QuizCatalogue::typeCaption(i)), Frame1);
        Option1[i]->setGeometry(pixels(design::optionPlace(i)));
        paintFlat(Option1[i], colour(design::OptionColour));
        Option1Group->addButton(Option1[i], i);
    }

    for (ListControl &list : List1)
        list.items = new QStringListModel(this);
    // The masters as the answer key's lists hold them, in models of their own.
    const quiz::AnswerKeyLists answerKey;
    for (const int master : {quiz::MasterNames, quiz::MasterCodes}) {
        QStringList items;
        for (int p = 0; p < answerKey.count(master); ++p)
            items << fromUtf8(answerKey.item(master, p));
        List1.at(master).items->setStringList(items);
    }

    // The river list keeps the selection model it makes for itself: see RiverList.
    riverList = new RiverList(this);
    riverList->setModel(List1[quiz::RiverList].items);
    List1[quiz::RiverList].selection = riverList->selectionModel();
    for (std::size_t e = quiz::WorkingCodes; e < List1.size(); ++e)
        List1[e].selection = new QItemSelectionModel(List1[e].items, this);
    riverList->setSelectionMode(QAbstractItemView::SingleSelection);
    riverList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    riverList->setGeometry(pixels(design::RiverListPlace));
    QPalette listPalette = ownPalette(activeTitleBarColour());
    listPalette.setColor(QPalette::Base, activeTitleBarColour());
    listPalette.setColor(QPalette::Text, colour(design::readableTextOn(rgbOf(activeTitleBarColour()))));
    riverList->setPalette(listPalette);

    // Native styles ignore a palette's button colour and Fusion shades it, so
    // the button paints itself, flat in its own colour.
    Command1 = new ClearButton(fromUtf8(design::ClearCaption), colour(design::ClearColour), this);
    Command1->setGeometry(pixels(design::ClearPlace));

    Text1 = new QPlainTextEdit(this);
    announcer = new Announcer(this);
    Text1->setGeometry(pixels(design::MessageBoxPlace));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setTabChangesFocus(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setPalette(QApplication::palette(Text1));
    setMessageText(std::string(design::Assignment));

    // Labels, the frame and the buttons are named by their own texts; the
    // list takes its heading's, and the box a name of its own.
    riverList->setAccessibleName(Label1[1]->text());
    Text1->setAccessibleName(fromUtf8(design::MessageBoxName));

    // The type buttons are one stop, which TypeButton keeps on the one that
    // is on, or the first; the arrow keys move inside the group.
    const auto focusChain = [this](design::FocusStop stop) -> QList<QWidget *> {
        switch (stop) {
        case design::FocusStop::MessageBox:
            return {Text1};
        case design::FocusStop::RiverList:
            return {riverList};
        case design::FocusStop::ClearButton:
            return {Command1};
        case design::FocusStop::TypeButtons:
            return {Option1.begin(), Option1.end()};
        }
        return {};
    };
    QWidget *previous = nullptr;
    for (design::FocusStop stop : design::TabOrder) {
        for (QWidget *control : focusChain(stop)) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    // Made after the boxes it draws, so that it outlives them.
    auto *borders = new WholeBorderStyle(QApplication::style()->name());
    borders->setParent(this);
    riverList->setStyle(borders);
    Text1->setStyle(borders);

    focusChain(design::TabOrder.front()).front()->setFocus();
}

void QuizForm::connectEvents()
{
    connect(Command1, &QPushButton::clicked, this, [this] { game.ClearQuiz(); });
    connect(Option1Group, &QButtonGroup::idClicked, this, [this](int index) { game.TypeButtonClicked(index); });
    for (int e = 0; e < static_cast<int>(List1.size()); ++e) {
        connect(List1[e].selection, &QItemSelectionModel::selectionChanged, this, [this, e] { game.PickRiver(e); });
    }
}

int QuizForm::listCount(int list) const
{
    return List1.at(list).items->rowCount();
}

std::string QuizForm::listItem(int list, int position) const
{
    const QStringListModel *items = List1.at(list).items;
    return items->data(items->index(position)).toString().toStdString();
}

void QuizForm::clearList(int list)
{
    QStringListModel *items = List1.at(list).items;
    items->removeRows(0, items->rowCount());
}

void QuizForm::appendToList(int list, const std::string &text)
{
    QStringListModel *items = List1.at(list).items;
    const int row = items->rowCount();
    items->insertRows(row, 1);
    items->setData(items->index(row), fromUtf8(text));
}

void QuizForm::removeListItem(int list, int position)
{
    List1.at(list).items->removeRows(position, 1);
}

int QuizForm::listSelection(int list) const
{
    const QModelIndexList rows = List1.at(list).selection->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void QuizForm::selectInList(int list, int position)
{
    // Only the selection goes: the frame stays, as in a list box, and the
    // keys go on from there.
    const ListControl &l = List1.at(list);
    if (position == -1)
        l.selection->clearSelection();
    else
        l.selection->setCurrentIndex(l.items->index(position), QItemSelectionModel::ClearAndSelect);
}

bool QuizForm::isTypeButtonOn(int index) const
{
    return Option1.at(index)->isChecked();
}

void QuizForm::turnTypeButtonOff(int index)
{
    // An exclusive group keeps its checked button on; let go of it for a moment.
    Option1Group->setExclusive(false);
    Option1.at(index)->setChecked(false);
    Option1Group->setExclusive(true);
}

std::string QuizForm::typeButtonCaption(int index) const
{
    return Option1.at(index)->text().toStdString();
}

std::string QuizForm::messageText() const
{
    // The box keeps its lines as paragraphs; the game speaks in CR LF.
    return Text1->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

void QuizForm::setMessageText(const std::string &text)
{
    Text1->setPlainText(fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void QuizForm::announce(const std::string &line)
{
    announcer->announce(fromUtf8(line));
}

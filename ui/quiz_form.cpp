#include "quiz_form.h"

#include "catalogue.h"
#include "config.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

#include <string_view>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const char *const Assignment
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

const char *const TitleText = "География - вид устие на река";

// The layout is drawn on a grid of twips, 15 to a logical pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

const QColor WindowColour(192, 192, 255);
const QColor LabelColour(255, 192, 128);
const QColor FrameColour(128, 255, 255);
const QColor OptionColour(128, 128, 255);
const QColor ClearButtonColour(255, 128, 128);

// Windows has a colour for the active title bar; elsewhere its default stands in.
QColor activeTitleBarColour()
{
#ifdef Q_OS_WIN
    const COLORREF c = GetSysColor(COLOR_ACTIVECAPTION);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    return QColor(153, 180, 209);
#endif
}

QColor readableTextOn(const QColor &background)
{
    return qGray(background.rgb()) < 128 ? Qt::white : Qt::black;
}

// Fills the whole widget with one colour, the same under every style.
void paintFlat(QWidget *widget, const QColor &colour)
{
    // Buttons would fill with their button colour, which also shades their
    // indicators: fill with the window colour instead.
    widget->setBackgroundRole(QPalette::Window);
    widget->setForegroundRole(QPalette::WindowText);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, readableTextOn(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A type button answers a click anywhere on its coloured band, not only on
// its circle and caption.
class TypeButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    setWindowTitle(QString::fromUtf8(config::PublisherUrl) + u' ' + QString::fromUtf8(TitleText));
    setWindowIcon(QIcon(QStringLiteral(":/icons/river-mouth-quiz-32.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(0, 0, 6915, 5175).size());
    paintFlat(this, WindowColour);

    // 12 points at 96 dots per inch, given in pixels so that the texts fit
    // their boxes whatever resolution the screen reports.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    setFont(font);

    Label1[0] = new QLabel(QString::fromUtf8("География - устие на река - делта, естуар"), this);
    Label1[0]->setGeometry(twips(480, 0, 5895, 375));
    Label1[1] = new QLabel(QString::fromUtf8("Имена на реки"), this);
    Label1[1]->setGeometry(twips(2760, 480, 3975, 375));
    for (QLabel *label : Label1) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        paintFlat(label, LabelColour);
    }

    Frame1 = new QGroupBox(QString::fromUtf8("Устие на река"), this);
    Frame1->setGeometry(twips(120, 480, 2175, 1335));
    paintFlat(Frame1, FrameColour);
    // Fusion tints the inside of a group box; an etched line drawn by a style
    // sheet leaves it flat.
    Frame1->setStyleSheet(QStringLiteral("QGroupBox { background-color: %1; background-clip: margin;"
                                         " border: 2px groove %1; margin-top: 8px; }"
                                         "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px;"
                                         " background-color: %1; }")
                              .arg(FrameColour.name()));

    Option1Group = new QButtonGroup(this);
    for (int i = 0; i <= quiz::QuizCatalogue::LastTypeIndex; ++i) {
        Option1[i] = new TypeButton(fromUtf8(quiz::QuizCatalogue::typeCaption(i)), Frame1);
        Option1[i]->setGeometry(twips(120, 300 + 300 * i, 1935, 300));
        paintFlat(Option1[i], OptionColour);
        Option1Group->addButton(Option1[i], i);
    }

    for (ListControl &list : List1) {
        list.items = new QStringListModel(this);
        list.selection = new QItemSelectionModel(list.items, this);
    }
    QStringList masterNames;
    QStringList masterCodes;
    for (const auto &entry : quiz::QuizCatalogue::Entries) {
        masterNames << fromUtf8(entry.name);
        masterCodes << fromUtf8(entry.code);
    }
    List1[2].items->setStringList(masterNames);
    List1[3].items->setStringList(masterCodes);

    riverList = new QListView(this);
    riverList->setModel(List1[0].items);
    delete riverList->selectionModel();
    riverList->setSelectionModel(List1[0].selection);
    riverList->setSelectionMode(QAbstractItemView::SingleSelection);
    riverList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    riverList->setGeometry(twips(2760, 840, 3975, 1485));
    QPalette listPalette = riverList->palette();
    listPalette.setColor(QPalette::Base, activeTitleBarColour());
    listPalette.setColor(QPalette::Text, readableTextOn(activeTitleBarColour()));
    riverList->setPalette(listPalette);

    Command1 = new QPushButton(QString::fromUtf8("Изчисти"), this);
    Command1->setGeometry(twips(3960, 2520, 1695, 375));
    // Native styles ignore a palette's button colour and Fusion shades it, so
    // the button is drawn by a style sheet, flat in its own colour.
    const QString colour = ClearButtonColour.name();
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                           "QPushButton:pressed { border-style: inset; }"
                                           "QPushButton:focus { border: 1px solid black; }")
                                .arg(colour));

    Text1 = new QPlainTextEdit(this);
    Text1->setGeometry(twips(120, 3120, 6735, 1815));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setTabChangesFocus(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMessageText(Assignment);

    // Labels, the frame and the buttons are named by their own texts; the
    // list takes its heading's, and the box a name of its own.
    riverList->setAccessibleName(Label1[1]->text());
    Text1->setAccessibleName(QString::fromUtf8("Съобщения"));

    setTabOrder(Text1, riverList);
    setTabOrder(riverList, Command1);
    setTabOrder(Command1, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], Option1[2]);
    // Style sheets stop a parent's font from reaching the children.
    for (QWidget *control : findChildren<QWidget *>())
        control->setFont(font);
    Text1->setFocus();
}

void QuizForm::connectEvents()
{
    connect(Command1, &QPushButton::clicked, this, [this] { game.ClearQuiz(); });
    connect(Option1Group, &QButtonGroup::idToggled, this, [this](int index, bool on) {
        if (on)
            game.ChooseType(index);
    });
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
    // Clearing only the current row would leave the selection, and the
    // current row alone still shows as highlighted: clear both.
    const ListControl &l = List1.at(list);
    if (position == -1)
        l.selection->clear();
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

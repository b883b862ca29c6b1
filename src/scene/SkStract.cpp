#include "SkStract.h"

#include "ActionCatalogue.h"
#include "AppError.h"
#include "ClickAction.h"
#include "ComponentNames.h"
#include "CursorTable.h"
#include "FileIO.h"
#include "HintHook.h"
#include "JpegCodec.h"
#include "Notebook.h"
#include "ObjectFactory.h"
#include "PathUtils.h"
#include "ProgramExit.h"
#include "PropertySetter.h"
#include "ResourceLoader.h"
#include "SkCommand.h"
#include "SkComboBox.h"
#include "SkEditBox.h"
#include "SkPanel.h"
#include "SkSpeedButton.h"
#include "SkForm.h"
#include "SkinForm.h"
#include "TextUtils.h"
#include "Ui.h"
#include "ValueParsers.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace {

// A list-box item narrower than the box minus this margin keeps its normal hint.
constexpr int kHintMargin = 25;

// Lets the window's skinned frame paint again when the scope ends, however it ends: a scene that
// fails half-way must not leave its window unpainted.
class ResumePaintingAtEnd {
public:
    explicit ResumePaintingAtEnd(SkinForm* skin) : skin_(skin) {}
    ~ResumePaintingAtEnd() { skin_->ResumePainting(); }
    ResumePaintingAtEnd(const ResumePaintingAtEnd&) = delete;
    ResumePaintingAtEnd& operator=(const ResumePaintingAtEnd&) = delete;

private:
    SkinForm* skin_;
};

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QImage LoadSplashPicture(const QString& name)
{
    if (name.section('.', -1).compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0 && name.contains('.'))
        return DecodeJpeg(ReadWholeFile(name));  // opened as written, relative to the current folder
    QImage picture;
    if (!picture.load(FileSystemPath(ProgramPath(name)), "BMP"))
        throw AppError(AppError::Kind::DamagedData, QStringLiteral("Bitmap image is not valid"));
    return picture;
}

}  // namespace

TSkStract::TSkStract(TSkForm* form, const QString& structName)
    : self_(std::make_shared<TSkStract*>(this)), form_(form)
{
    form_->Skin()->SuspendPainting();  // resumed when LoadStruct ends
    form_->Skin()->SetOnMaximize(Bound(&TSkStract::HandleMaximize));
    form_->OnAction = Bound(&TSkStract::DispatchAction);
    form_->StructName = structName;
}

TSkStract::~TSkStract()
{
    form_->Skin()->SuspendPainting();
    ResumePaintingAtEnd resume(form_->Skin());
    form_->hide();
    registry_.DestroyAll();
    CloseSplash();
    HintHook::ClearIf(self_.get());
    if (!tempFile_.isEmpty())
        QFile::remove(FileSystemPath(tempFile_));
}

QWidget* TSkStract::Page() const
{
    return form_->Pages() ? form_->Pages()->Page(pageIndex_) : nullptr;
}

void TSkStract::LoadStruct()
{
    ResumePaintingAtEnd resume(form_->Skin());  // suspended since the constructor
    tempFile_ = CopyToTemp(form_->StructName);
    ini_ = IniFile::FromFile(FileSystemPath(tempFile_));
    CursorTable::RegisterProgramCursors();

    const QStringList sections = ini_.SectionNames();
    if (sections.isEmpty()) {
        Ui::Instance().Message(QString::fromUtf8("Нету данных в ") + form_->StructName
                               + QString::fromUtf8(". Это безусловно End..."));
        return;
    }
    QList<Entry> entries;
    for (const QString& section : sections)
        entries.append({section, ini_.ReadString(section, QStringLiteral("master"))});

    FormPass(entries);
    MenuPass(entries);
    ControlPass(entries);
    RunActionString(form_->StartAction);
    CloseSplash();
    InstallHooks();
}

void TSkStract::FormPass(QList<Entry>& entries)
{
    for (qsizetype i = 0; i < entries.size();) {
        const Entry entry = entries[i];
        if (TypeOf(entry.name) != QLatin1String("form")) {
            ++i;
            continue;
        }
        const QString color = ini_.ReadString(entry.name, QStringLiteral("color"));
        formName_ = entry.name.toLower();
        CreateObject(form_, entry.name, QStringLiteral("form"));
        entries.removeAt(i);
        if (!color.isEmpty())
            form_->PageColor = ParseColor(color);
        AttachPage();
    }
}

void TSkStract::AttachPage()
{
    Notebook* pages = form_->Pages();
    if (!pages) {
        pages = form_->CreatePages();
        if (form_->Moving)
            pages->SetOnMouseDown([form = form_](QMouseEvent* event) { form->DragMouseDown(event->button()); });
    } else {
        pages->AddPage(QStringLiteral("p") + QString::number(pages->PageCount()));
    }
    pageIndex_ = pages->CurrentIndex();
}

void TSkStract::MenuPass(QList<Entry>& entries)
{
    for (qsizetype i = 0; i < entries.size();) {
        if (TypeOf(entries[i].name) == QLatin1String("pop_menu")) {
            CreateObject(form_, entries[i].name, QStringLiteral("pop_menu"));
            entries.removeAt(i);
        } else {
            ++i;
        }
    }
}

void TSkStract::ControlPass(QList<Entry>& entries)
{
    form_->LayOutPages();
    qsizetype p = 0;
    qsizetype examinedWithoutProgress = 0;
    while (!entries.isEmpty() && examinedWithoutProgress < entries.size()) {
        if (p >= entries.size())
            p = 0;
        const Entry entry = entries[p];
        if (entry.master.isEmpty() || entry.master.toLower() == formName_) {
            entries.removeAt(p);
            examinedWithoutProgress = 0;
            QWidget* page = Page();
            if (form_->PageColor != 0 && page)
                SetBackground(page, ColorToQColor(form_->PageColor));
            if (QWidget* container = CreateObject(page, entry.name, TypeOf(entry.name)))
                CreateChildren(entries, container, entry.name);
        } else {
            ++p;
            ++examinedWithoutProgress;
        }
    }
    for (const Entry& entry : entries)
        leftOver_.append(entry.name);
}

void TSkStract::CreateChildren(QList<Entry>& entries, QWidget* container, const QString& name)
{
    for (qsizetype q = 0; q < entries.size();) {
        const Entry entry = entries[q];
        if (entry.master.compare(name, Qt::CaseInsensitive) != 0) {
            ++q;
            continue;
        }
        entries.removeAt(q);
        if (QWidget* child = CreateObject(container, entry.name, TypeOf(entry.name)))
            CreateChildren(entries, child, entry.name);
    }
}

QString TSkStract::TypeOf(const QString& section) const
{
    return ini_.ReadString(section, QStringLiteral("type")).toLower();
}

QWidget* TSkStract::CreateObject(QWidget* parent, const QString& name, const QString& type)
{
    const QString lowerType = type.toLower();
    if (lowerType == QLatin1String("form")) {
        PropertySetter(*this).SetProperty(form_, name, lowerType);
        return nullptr;
    }
    if (lowerType == QLatin1String("hot_key")) {
        RegisterHotKeys(name);
        return nullptr;
    }
    if (lowerType == QLatin1String("none"))
        return nullptr;
    const std::optional<Family> family = FamilyOfType(lowerType);
    if (!family) {
        ReportError(QString::fromUtf8("Error. Объект ") + name + QString::fromUtf8(" имеет неизвестный тип ") + lowerType);
        return nullptr;
    }
    const ObjectFactory::Created created = ObjectFactory(*this).Create(*family, parent, name);
    registry_.Add(created.object, *family);
    PropertySetter(*this).SetProperty(created.object, name, lowerType);
    return created.container;
}

void TSkStract::RegisterHotKeys(const QString& name)
{
    for (const QString& key : ini_.KeyNames(name)) {
        if (key.toLower() != QLatin1String("type"))
            form_->AddHotKey(ini_.ReadString(name, key));
    }
}

void TSkStract::InstallHooks()
{
    HintHook::Set(self_.get(), [weak = std::weak_ptr<TSkStract*>(self_)](const HintHook::Request& request) {
        auto alive = weak.lock();
        return alive ? (*alive)->HandleShowHint(request) : std::optional<HintHook::Hint>();
    });
    form_->OnSizeChanged = Bound(&TSkStract::HandleWindowSize);
    form_->Skin()->SetOnResize(Bound(&TSkStract::HandleSkinResize));
}

void TSkStract::Activate()
{
    if (Notebook* pages = form_->Pages())
        pages->SetCurrentIndex(pageIndex_);
    form_->Skin()->SetOnMaximize(Bound(&TSkStract::HandleMaximize));
    form_->OnSizeChanged = Bound(&TSkStract::HandleWindowSize);
    form_->OnAction = Bound(&TSkStract::DispatchAction);
    HandleWindowSize(form_->width(), form_->height());
    SwapMaxButtons(form_->Skin()->State() == SkinForm::WindowState::Maximized);
}

void TSkStract::ReportError(const QString& message) const
{
    if (ShowErrors)
        Ui::Instance().ErrorBox(message);
}

QObject* TSkStract::GetControl(const QString& name) const
{
    QObject* object = registry_.Find(name);
    if (!object)
        ReportError(QString::fromUtf8("Error GetControl. Не найден контрол: ") + name);
    return object;
}

QObject* TSkStract::FindInFamily(const QString& name, Family family) const
{
    QObject* object = registry_.FindInFamily(name, family);
    if (!object)
        ReportError(QString::fromUtf8("Error. Не найден контрол: ") + name);
    return object;
}

void TSkStract::DispatchAction(const RHelpAction& record)
{
    // Each call works on its own copy and parse: commands may open modal windows whose own
    // actions come back here before this call ends.
    const RHelpAction incoming = record;
    const TSkCommand parsed(incoming.Action);
    const std::weak_ptr<TSkStract*> alive = self_;
    const FileChooser chooseFile = [](const QString& filter) { return Ui::Instance().OpenFile(filter); };
    for (int i = 0; i < parsed.Count(); ++i) {
        const RCommand& command = parsed.Commands()[size_t(i)];
        const QString arg0 = GetArg(command.Args, 0, chooseFile);
        const QString arg1 = GetArg(command.Args, 1, chooseFile);
        if (ActionCatalogue::Run(*this, command, arg0, arg1, incoming) == ActionCatalogue::Outcome::Done) {
            if (ProgramExit::Quitting() || alive.expired())
                return;
            continue;
        }
        if (!OnUnknownAction)
            continue;
        const QString handOver = parsed.CommandText(i) + (command.Rest.isEmpty() ? QString() : "//" + command.Rest);
        const auto handler = OnUnknownAction;  // the owner may replace it while it runs
        handler(RHelpAction{handOver, incoming.Height, incoming.X, incoming.Y});
        return;
    }
}

void TSkStract::ControlClick(QObject* sender)
{
    if (const std::optional<RHelpAction> action = ClickAction(*this, sender))
        DispatchAction(*action);
}

void TSkStract::ControlKeyDown(QObject* sender, int key)
{
    auto* edit = qobject_cast<TSkEditBox*>(sender);
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    RunActionString(edit && enter ? edit->ActionText : QString());
}

void TSkStract::RunActionString(const QString& action)
{
    DispatchAction(RHelpAction{action, 0, 0, 0});
}

void TSkStract::ShowSplash(const QString& name)
{
    const QImage picture = LoadSplashPicture(name);
    if (!splash_) {
        auto* label = new QLabel;
        label->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        splash_.reset(label);
    }
    auto* label = static_cast<QLabel*>(splash_.get());
    label->setPixmap(QPixmap::fromImage(picture));
    label->resize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        label->move(screen->availableGeometry().center() - QPoint(picture.width() / 2, picture.height() / 2));
    label->show();
    label->repaint();
    QCoreApplication::processEvents();
}

void TSkStract::CloseSplash()
{
    splash_.reset();
}

std::optional<HintHook::Hint> TSkStract::HandleShowHint(const HintHook::Request& request) const
{
    auto* list = qobject_cast<QListWidget*>(request.control);
    if (!list || !registry_.Members(Family::ListBox).contains(list))
        return std::nullopt;
    const QPoint inViewport = list->viewport()->mapFrom(list, request.cursorPos);
    QListWidgetItem* item = list->itemAt(inViewport);
    if (!item)
        return std::nullopt;
    if (QFontMetrics(form_->font()).horizontalAdvance(item->text()) <= list->width() - kHintMargin)
        return std::nullopt;
    const QRect row = list->visualItemRect(item);
    const QRect client = list->viewport()->geometry();
    const QRect cursorRect(client.left(), client.top() + row.top(), client.width(), row.height());
    const QPoint origin = list->mapToGlobal(QPoint(0, 0));
    return HintHook::Hint{item->text(), cursorRect,
                          QPoint(origin.x() + client.left() - 2, origin.y() + cursorRect.top() - 1)};
}

void TSkStract::HandleWindowSize(int, int)
{
    for (QObject* panel : registry_.Members(Family::Panel))
        static_cast<TSkPanel*>(panel)->Recenter();
    form_->Skin()->ResumePainting();
}

TSkComboBox* TSkStract::FindComboByAction(const QString& name) const
{
    for (QObject* member : registry_.Members(Family::ComboBox)) {
        auto* combo = static_cast<TSkComboBox*>(member);
        QString rest = combo->ActionText;
        if (SplitHead(rest, QStringLiteral("*")).compare(name, Qt::CaseInsensitive) == 0)
            return combo;
    }
    return nullptr;
}

TSkSpeedButton* TSkStract::FindSpeedButtonByAction(const QString& name, const QString& rest) const
{
    for (QObject* member : registry_.Members(Family::SpButton)) {
        auto* button = static_cast<TSkSpeedButton*>(member);
        QString remainder = button->ActionText;
        const QString head = SplitHead(remainder, QStringLiteral("*"));
        if (head.compare(name, Qt::CaseInsensitive) == 0
            && (rest.isEmpty() || remainder.compare(rest, Qt::CaseInsensitive) == 0))
            return button;
    }
    return nullptr;
}

void TSkStract::HandleSkinResize()
{
    form_->Skin()->SuspendPainting();
}

void TSkStract::HandleMaximize()
{
    if (form_->MaxButtons.isEmpty() || form_->NormalButtons.isEmpty())
        return;
    const SkinForm::WindowState state = form_->Skin()->State();
    if (state == SkinForm::WindowState::Maximized)
        SwapMaxButtons(false);
    else if (state == SkinForm::WindowState::Normal)
        SwapMaxButtons(true);
}

void TSkStract::SwapMaxButtons(bool maximized)
{
    const auto showNamed = [this](QString names, bool visible) {
        while (!names.isEmpty()) {
            const QString name = SplitHead(names, QStringLiteral(";"));
            ShowErrors = false;
            QObject* button = FindInFamily(name, Family::SpButton);
            ShowErrors = true;
            if (auto* widget = qobject_cast<QWidget*>(button))
                widget->setVisible(visible);
        }
    };
    showNamed(form_->MaxButtons, maximized);
    showNamed(form_->NormalButtons, !maximized);
}

#include "sources/ui/GeneratorWindow.h"

#include "platform/AppFolder.h"
#include "platform/FileHelpers.h"
#include "platform/ProgramSettings.h"
#include "platform/ui/WindowFit.h"
#include "sources/AffixFile.h"
#include "sources/NameGenerator.h"
#include "tld/TldFile.h"

#include "platform/ui/WindowKeys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace sources {

namespace {

template <typename Widget> Widget *named(Widget *widget, const QString &name, const QString &toolTip = QString())
{
    widget->setObjectName(name);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

} // namespace

GeneratorWindow::GeneratorWindow(const GeneratorHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host), m_generator(new NameGenerator(this)),
      m_text1(named(new QLineEdit(this), QStringLiteral("Text1"), tr("This word will appear in every domain created.")))
{
    setObjectName(QStringLiteral("frmMake"));
    setWindowTitle(tr("Domain Name Creator"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_command1 = named(new QPushButton(tr("Start Generator"), this), QStringLiteral("Command1"),
                       tr("Once you have a base word, click here to create your list!"));
    const QStringList options = {tr("Prefixes"), tr("Suffixes"), tr("Hyphens")};
    auto *optionRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_chkAdd[i] = named(new QCheckBox(options.at(i), this), QStringLiteral("chkAdd_") + QString::number(i));
        optionRow->addWidget(m_chkAdd[i]);
        connect(m_chkAdd[i], &QCheckBox::clicked, this,
                [this, i](bool on) { m_host.settings.setGeneratorOption(i, on); });
    }
    optionRow->addStretch(1);
    optionRow->addWidget(m_command1);

    auto *baseRow = new QHBoxLayout;
    auto *baseLabel = named(new QLabel(tr("Base Word:"), this), QStringLiteral("Label1"));
    baseLabel->setBuddy(m_text1);
    baseRow->addWidget(baseLabel);
    baseRow->addWidget(m_text1, 1);
    auto *inputs = new QHBoxLayout;
    inputs->addWidget(buildTldFrame());
    inputs->addWidget(buildAffixFrame(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(baseRow);
    layout->addLayout(inputs);
    layout->addLayout(optionRow);
    layout->addWidget(buildResultFrame(), 1);

    connect(m_command1, &QPushButton::clicked, this, &GeneratorWindow::startGenerator);
    connect(m_text1, &QLineEdit::returnPressed, this, &GeneratorWindow::startGenerator);
    connect(m_cmdAdd, &QPushButton::clicked, this, &GeneratorWindow::addAffix);
    connect(m_text2, &QLineEdit::returnPressed, this, &GeneratorWindow::addAffix);
    connect(m_cmdSub, &QPushButton::clicked, this, &GeneratorWindow::removeSelectedAffix);
    connect(m_command2, &QPushButton::clicked, this, &GeneratorWindow::saveListAs);
    connect(m_generator, &NameGenerator::statusChanged, m_txtStatus, &QLineEdit::setText);
    connect(m_generator, &NameGenerator::written, this, [this](int created) {
        setInputsEnabled(true);
        emit listWritten(created);
    });
    connect(m_generator, &NameGenerator::finished, this, &GeneratorWindow::runRequested);
    connect(m_generator, &NameGenerator::writeFailed, this, &GeneratorWindow::showWriteFailure);
    load();
    connect(m_listView1, &QListWidget::itemChanged, this, &GeneratorWindow::saveTldTicks);
    connect(m_text1, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_host.settings.setGeneratorBaseWord(text); });
    platform::resizeWithinScreen(this, QSize(640, 560));
    platform::closeOnEscape(this);
    QList<QWidget *> keyed{baseLabel, findChild<QWidget *>(QStringLiteral("Frame1")), m_command1};
    keyed << m_chkAdd[0] << m_chkAdd[1] << m_chkAdd[2] << findChild<QWidget *>(QStringLiteral("Label2")) << m_cmdAdd
          << m_cmdSub << m_command2;
    platform::giveMnemonics(this, keyed);
}

GeneratorWindow::~GeneratorWindow() = default;

QWidget *GeneratorWindow::buildTldFrame()
{
    auto *frame = named(new QGroupBox(tr("Top Level Domains"), this), QStringLiteral("Frame1"));
    m_listView1 = named(new QListWidget(frame), QStringLiteral("ListView1"));
    auto *column = new QVBoxLayout(frame);
    column->addWidget(m_listView1);
    column->addWidget(named(new QLabel(tr("(taken from Setup window)"), frame), QStringLiteral("Label3")));
    return frame;
}

QWidget *GeneratorWindow::buildAffixFrame()
{
    auto *frame = named(new QGroupBox(tr("Prefixes/Suffixes"), this), QStringLiteral("Frame2"));
    m_list2 = named(new QListWidget(frame), QStringLiteral("List2"));
    m_text2 = named(new QLineEdit(frame), QStringLiteral("Text2"));
    m_cmdAdd = named(new QPushButton(tr("Add"), frame), QStringLiteral("cmdAdd"), tr("Add your word."));
    m_cmdSub = named(new QPushButton(tr("Del"), frame), QStringLiteral("cmdSub"), tr("Remove the selected word."));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(m_list2, 0, 0, 1, 4);
    auto *affixLabel = named(new QLabel(tr("Prefix/Suffix:"), frame), QStringLiteral("Label2"));
    affixLabel->setBuddy(m_text2);
    grid->addWidget(affixLabel, 1, 0);
    grid->addWidget(m_text2, 1, 1);
    grid->addWidget(m_cmdAdd, 1, 2);
    grid->addWidget(m_cmdSub, 1, 3);
    return frame;
}

QWidget *GeneratorWindow::buildResultFrame()
{
    auto *frame = named(new QGroupBox(tr("Generated Domains"), this), QStringLiteral("Frame3"));
    m_list1 = named(new QListView(frame), QStringLiteral("List1"));
    // Uniform rows let the view place two million names without measuring each one.
    m_list1->setUniformItemSizes(true);
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list1->setModel(m_generator->names());
    m_command2 = named(new QPushButton(tr("Save Domains As..."), frame), QStringLiteral("Command2"),
                       tr("Save your list as a text file."));
    m_txtStatus = named(new QLineEdit(tr("Status..."), frame), QStringLiteral("txtStatus"));
    m_txtStatus->setReadOnly(true);
    auto *row = new QHBoxLayout;
    row->addWidget(m_txtStatus, 1);
    row->addWidget(m_command2);
    auto *column = new QVBoxLayout(frame);
    column->addWidget(m_list1, 1);
    column->addLayout(row);
    return frame;
}

void GeneratorWindow::load()
{
    m_list2->addItems(AffixFile(m_host.folder.path(QStringLiteral("Appends.txt"))).readAffixes());
    for (int i = 0; i < 3; ++i)
        m_chkAdd[i]->setChecked(m_host.settings.generatorOption(i));
    m_text1->setText(m_host.settings.generatorBaseWord());
    listGeneratorTlds();
}

void GeneratorWindow::listGeneratorTlds()
{
    const QSignalBlocker quiet(m_listView1);
    m_listView1->clear();
    const QStringList unticked = m_host.settings.generatorUntickedTlds();
    for (const QString &text : m_host.tldFile.generatorItems()) {
        auto *item = new QListWidgetItem(text, m_listView1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(unticked.contains(text, Qt::CaseInsensitive) ? Qt::Unchecked : Qt::Checked);
    }
}

void GeneratorWindow::saveTldTicks()
{
    QStringList unticked;
    for (int row = 0; row < m_listView1->count(); ++row) {
        if (m_listView1->item(row)->checkState() != Qt::Checked)
            unticked.append(m_listView1->item(row)->text());
    }
    m_host.settings.setGeneratorUntickedTlds(unticked);
}

void GeneratorWindow::setInputsEnabled(bool enabled)
{
    const QList<QWidget *> inputs{m_chkAdd[0], m_chkAdd[1], m_chkAdd[2], m_text1, m_text2,
                                  m_command1,  m_command2,  m_cmdAdd,    m_cmdSub};
    for (QWidget *input : inputs)
        input->setEnabled(enabled);
}

void GeneratorWindow::startGenerator()
{
    if (m_generator->isRunning())
        return;
    GeneratorRequest request;
    request.base = m_text1->text();
    for (int row = 0; row < m_listView1->count(); ++row) {
        if (m_listView1->item(row)->checkState() == Qt::Checked)
            request.tlds.append(m_listView1->item(row)->text());
    }
    request.options = {m_chkAdd[0]->isChecked(), m_chkAdd[1]->isChecked(), m_chkAdd[2]->isChecked()};
    request.affixPath = m_host.folder.path(QStringLiteral("Appends.txt"));
    request.outputPath = m_host.folder.path(QStringLiteral("CreatedDomains.txt"));
    setInputsEnabled(false);
    m_generator->start(request);
}

void GeneratorWindow::addAffix()
{
    AffixFile(m_host.folder.path(QStringLiteral("Appends.txt"))).addAffix(m_text2->text());
    m_list2->addItem(m_text2->text());
    m_text2->clear();
}

void GeneratorWindow::removeSelectedAffix()
{
    const QList<QListWidgetItem *> selected = m_list2->selectedItems();
    if (selected.isEmpty()) {
        if (m_host.services.messages)
            m_host.services.messages->inform(tr("You must first select an item to remove from the list."));
        return;
    }
    QListWidgetItem *item = selected.constFirst();
    AffixFile(m_host.folder.path(QStringLiteral("Appends.txt"))).deleteAffix(item->text());
    // Equal affixes further down stay listed until the window is opened again; the file has none left.
    delete item;
}

void GeneratorWindow::saveListAs()
{
    if (!m_host.services.dialogs)
        return;
    const QString folder = m_host.folder.path(QStringLiteral("CustomLists"));
    if (!QFileInfo(folder).isDir())
        QDir().mkpath(folder);
    const QString target =
        m_host.services.dialogs->saveFile(folder, m_text1->text() + QStringLiteral(".txt"), QStringLiteral("*.txt"));
    // A cancelled dialog saves nothing (the preset name alone would land in whatever the working folder is).
    if (!target.isEmpty())
        platform::copyFile(m_host.folder.path(QStringLiteral("CreatedDomains.txt")), target);
}

void GeneratorWindow::showWriteFailure(const QString &path)
{
    setInputsEnabled(true);
    m_txtStatus->setText(tr("Status..."));
    if (m_host.services.messages)
        m_host.services.messages->inform(tr("File %1 could not be written.").arg(path));
}

void GeneratorWindow::closeEvent(QCloseEvent *event)
{
    // Closing mid-generation drops the names: no file is written and no run starts.
    m_generator->cancel();
    QWidget::closeEvent(event);
}

} // namespace sources

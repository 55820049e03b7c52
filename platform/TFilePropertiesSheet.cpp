#include "platform/TFilePropertiesSheet.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

namespace {

QString PermissionText(QFileDevice::Permissions P)
{
    const auto Bit = [P](QFileDevice::Permission Flag, char Letter) {
        return QLatin1Char(P.testFlag(Flag) ? Letter : '-');
    };
    QString Text;
    Text += Bit(QFileDevice::ReadOwner, 'r');
    Text += Bit(QFileDevice::WriteOwner, 'w');
    Text += Bit(QFileDevice::ExeOwner, 'x');
    Text += Bit(QFileDevice::ReadGroup, 'r');
    Text += Bit(QFileDevice::WriteGroup, 'w');
    Text += Bit(QFileDevice::ExeGroup, 'x');
    Text += Bit(QFileDevice::ReadOther, 'r');
    Text += Bit(QFileDevice::WriteOther, 'w');
    Text += Bit(QFileDevice::ExeOther, 'x');
    return Text;
}

QString TimeText(const QDateTime& Time)
{
    return Time.isValid() ? QLocale().toString(Time, QLocale::LongFormat) : QStringLiteral("-");
}

} // namespace

TFilePropertiesSheet::TFilePropertiesSheet(const QString& Path, QWidget* Parent)
    : QDialog(Parent)
{
    const QFileInfo Info(Path);
    setWindowTitle(Info.fileName() + QStringLiteral(" Properties"));

    auto* Form = new QFormLayout;
    const auto AddRow = [this, Form](const QString& Label, const QString& Value) {
        auto* Field = new QLabel(Value, this);
        Field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        Form->addRow(Label, Field);
    };
    const QLocale Locale;
    AddRow(QStringLiteral("Name:"), Info.fileName());
    AddRow(QStringLiteral("Folder:"), QDir::toNativeSeparators(Info.absolutePath()));
    AddRow(QStringLiteral("Type:"), Info.isDir() ? QStringLiteral("Folder")
                                                 : QMimeDatabase().mimeTypeForFile(Info).comment());
    if (!Info.isDir())
        AddRow(QStringLiteral("Size:"), Locale.formattedDataSize(Info.size()) + QStringLiteral(" (")
                                            + Locale.toString(Info.size()) + QStringLiteral(" bytes)"));
    AddRow(QStringLiteral("Created:"), TimeText(Info.birthTime()));
    AddRow(QStringLiteral("Modified:"), TimeText(Info.lastModified()));
    AddRow(QStringLiteral("Accessed:"), TimeText(Info.lastRead()));
    AddRow(QStringLiteral("Owner:"), Info.owner() + QLatin1Char(':') + Info.group());
    AddRow(QStringLiteral("Permissions:"), PermissionText(Info.permissions()));

    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Form);
    Layout->addWidget(Buttons);
}

TFilePropertiesSheet* TFilePropertiesSheet::ShowFor(const QString& Path)
{
    auto* Sheet = new TFilePropertiesSheet(Path);
    Sheet->setAttribute(Qt::WA_DeleteOnClose);
    Sheet->show();
    return Sheet;
}

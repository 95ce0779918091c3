#include "windows/production_job_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "chips/checksums.h"
#include "chips/chip_catalogue.h"
#include "files/image_formats.h"
#include "messages/dialogs.h"
#include "messages/format_texts.h"
#include "messages/production_window_texts.h"

namespace T = ProductionWindowTexts;

namespace {

QLineEdit *lineEdit(QWidget *parent, const char *name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

// Fields side by side, each after its label.
QHBoxLayout *labelledRow(std::initializer_list<std::pair<QString, QWidget *>> fields) {
    auto *row = new QHBoxLayout;
    for (const auto &[label, field] : fields) {
        row->addWidget(new QLabel(label));
        row->addWidget(field);
    }
    return row;
}

bool number(const QString &text, qint64 &value, int base = 10) {
    bool ok = false;
    value = text.trimmed().toLongLong(&ok, base);
    return ok && value >= 0;
}

}  // namespace

ProductionJobForm::ProductionJobForm(Dialogs &dialogs, QWidget *parent)
    : QGroupBox(T::JobGroup(), parent),
      dialogs_(dialogs),
      name_(lineEdit(this, "jobName")),
      model_(new QComboBox(this)),
      image_(lineEdit(this, "jobImage")),
      crc_(new QLabel(this)),
      numbered_(new QCheckBox(T::Numbered(), this)),
      at_(lineEdit(this, "serialAt")),
      size_(new QSpinBox(this)),
      format_(new QComboBox(this)),
      start_(lineEdit(this, "serialStart")),
      step_(new QSpinBox(this)),
      end_(lineEdit(this, "serialEnd")),
      journal_(lineEdit(this, "jobJournal")),
      next_(new QLabel(T::NotSettled(), this)) {
    model_->setObjectName(QStringLiteral("jobModel"));
    for (int k = 0; k < ChipCatalogue::ModelCount; ++k)
        model_->addItem(ChipCatalogue::name(k));
    numbered_->setObjectName(QStringLiteral("serialNumbered"));
    size_->setObjectName(QStringLiteral("serialSize"));
    size_->setRange(SerialFormat::MinSize, SerialFormat::MaxSize);
    size_->setValue(4);
    format_->setObjectName(QStringLiteral("serialFormat"));
    format_->addItem(T::FormatLe(), QStringLiteral("le"));
    format_->addItem(T::FormatBe(), QStringLiteral("be"));
    format_->addItem(T::FormatBcd(), QStringLiteral("bcd"));
    format_->addItem(T::FormatDec(), QStringLiteral("dec"));
    format_->addItem(T::FormatHex(), QStringLiteral("hex"));
    step_->setObjectName(QStringLiteral("serialStep"));
    step_->setRange(1, 1000000);
    start_->setText(QStringLiteral("1"));
    at_->setText(QStringLiteral("0"));
    end_->setPlaceholderText(T::NoEnd());
    next_->setObjectName(QStringLiteral("jobNext"));
    crc_->setObjectName(QStringLiteral("jobCrc"));

    auto *choose = new QPushButton(T::ChooseImage(), this);
    choose->setObjectName(QStringLiteral("chooseImage"));
    connect(choose, &QPushButton::clicked, this, &ProductionJobForm::chooseImage);
    auto *imageRow = new QHBoxLayout;
    imageRow->addWidget(image_, 1);
    imageRow->addWidget(choose);

    QHBoxLayout *numbers =
        labelledRow({{T::SerialAt(), at_}, {T::SerialSize(), size_}, {T::SerialFormat(), format_}});
    QHBoxLayout *range =
        labelledRow({{T::SerialStart(), start_}, {T::SerialStep(), step_}, {T::SerialEnd(), end_}});

    auto *form = new QFormLayout(this);
    form->addRow(T::JobName(), name_);
    form->addRow(T::Model(), model_);
    form->addRow(T::Image(), imageRow);
    form->addRow(QString(), crc_);
    form->addRow(numbered_);
    form->addRow(numbers);
    form->addRow(range);
    form->addRow(T::Journal(), journal_);
    form->addRow(next_);

    for (QLineEdit *edit : {name_, image_, at_, start_, end_, journal_})
        connect(edit, &QLineEdit::textEdited, this, &ProductionJobForm::edited);
    connect(image_, &QLineEdit::textChanged, this, &ProductionJobForm::showCrc);
    for (QComboBox *box : {model_, format_})
        connect(box, &QComboBox::activated, this, &ProductionJobForm::edited);
    for (QSpinBox *box : {size_, step_})
        connect(box, &QSpinBox::valueChanged, this, &ProductionJobForm::edited);
    connect(numbered_, &QCheckBox::toggled, this, &ProductionJobForm::edited);
}

void ProductionJobForm::chooseImage() {
    const QString path = dialogs_.openFile(T::Image(), FormatTexts::FileFilter());
    if (path.isEmpty())
        return;
    image_->setText(path);
    emit edited();
}

bool ProductionJobForm::imageCrc(quint32 &crc) const {
    const ImageFormats::LoadResult loaded =
        ImageFormats::load(image_->text(), ChipCatalogue::model(model_->currentIndex()).capacity,
                           ImageFormats::formatForName(image_->text()));
    if (loaded.status != ImageFormats::LoadStatus::Loaded)
        return false;
    crc = Checksums::of(loaded.buffer).crc32;
    return true;
}

void ProductionJobForm::showCrc() {
    quint32 crc = 0;
    crc_->setText(imageCrc(crc) ? T::ImageCrc().arg(crc, 8, 16, QLatin1Char('0')).toUpper()
                                : QString());
}

JobFile ProductionJobForm::jobFile() const {
    JobFile job;
    job.name = name_->text();
    job.model = model_->currentIndex();
    job.image = image_->text();
    job.crcGiven = imageCrc(job.imageCrc);
    job.journal = journal_->text();
    QString ignored;
    if (numbered_->isChecked())
        profile(job.serial, ignored);
    else
        job.serial.fields.clear();
    return job;
}

void ProductionJobForm::setJobFile(const JobFile &job) {
    name_->setText(job.name);
    model_->setCurrentIndex(job.model);
    image_->setText(job.image);
    journal_->setText(job.journal);
    numbered_->setChecked(job.serial.numbers());
    if (job.serial.numbers()) {
        const SerialField &field = job.serial.fields.first();
        at_->setText(QString::number(field.address, 16).toUpper());
        size_->setValue(field.size);
        format_->setCurrentIndex(format_->findData(SerialFormat::name(field.kind)));
        start_->setText(QString::number(job.serial.start));
        step_->setValue(int(job.serial.step));
        end_->setText(job.serial.end == SerialProfile::NoEnd ? QString()
                                                             : QString::number(job.serial.end));
    }
    next_->setText(T::NotSettled());
    emit edited();
}

bool ProductionJobForm::profile(SerialProfile &profile, QString &error) const {
    SerialField field;
    qint64 start = 0, end = SerialProfile::NoEnd;
    SerialFormat::parse(format_->currentData().toString(), field.kind);
    field.size = size_->value();
    if (!number(at_->text(), field.address, 16)) {
        error = T::BadSerial().arg(T::SerialAt() + at_->text());
        return false;
    }
    if (!number(start_->text(), start)) {
        error = T::BadSerial().arg(T::SerialStart() + start_->text());
        return false;
    }
    if (!end_->text().trimmed().isEmpty() && !number(end_->text(), end)) {
        error = T::BadSerial().arg(T::SerialEnd() + end_->text());
        return false;
    }
    profile.fields = {field};
    profile.start = start;
    profile.step = step_->value();
    profile.end = end;
    return true;
}

bool ProductionJobForm::request(JobRequest &request, QString &error) const {
    request = JobRequest();
    if (image_->text().trimmed().isEmpty()) {
        error = T::NoImage();
        return false;
    }
    request.model = model_->currentIndex();
    const qint32 capacity = ChipCatalogue::model(request.model).capacity;
    const ImageFormats::LoadResult loaded =
        ImageFormats::load(image_->text(), capacity, ImageFormats::formatForName(image_->text()));
    if (loaded.status != ImageFormats::LoadStatus::Loaded) {
        error = ImageFormats::failureText(image_->text(), loaded.status, loaded.line, QString());
        return false;
    }
    request.name = name_->text().trimmed();
    request.imageFile = image_->text();
    request.image = loaded.buffer;
    request.journal = journal_->text().trimmed();
    request.numbersGiven = numbered_->isChecked();
    request.startGiven = request.numbersGiven;
    if (request.numbersGiven && !profile(request.serial, error))
        return false;
    if (!request.numbersGiven)
        request.serial.fields.clear();
    return true;
}

void ProductionJobForm::showJournalJob(const ProductionJob &job, const QString &journal) {
    if (!job.serial.numbers())
        next_->setText(T::NoNumbers());
    else if (job.atEnd())
        next_->setText(T::NumbersUsedUp());
    else
        next_->setText(T::NextNumber().arg(job.next).arg(job.serial.last()));
    journal_->setPlaceholderText(T::DefaultJournal().arg(journal));
}

void ProductionJobForm::setDefaultJournal(const QString &shown) {
    journal_->setPlaceholderText(T::DefaultJournal().arg(shown));
}

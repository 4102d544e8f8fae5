#include "ui/windows/about_box.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace opt {

namespace {

const QColor kAqua(0, 255, 255);

// The About box's own version text, as the box has always shown it; the program's files and
// --version carry the project version (zedaruz/version.h).
constexpr const char* kAboutVersion = "4.0a";

QLabel* TextLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

QLabel* Paragraph(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* label = TextLabel(parent, name, text, place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(367, 283);

    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 367, 283);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, kAqua);
    Panel1->setPalette(pal);

    ProgramIcon_ = TextLabel(Panel1, QStringLiteral("ProgramIcon"), QString(), QRect(8, 8, 137, 97));
    ProgramIcon_->setScaledContents(true);
    ProgramIcon_->setPixmap(QPixmap(QStringLiteral(":/about.bmp")));

    auto* ProductName = TextLabel(Panel1, QStringLiteral("ProductName"), QStringLiteral("OPT_Zedaruz"),
                                  QRect(152, 10, 209, 28));
    ProductName->setAlignment(Qt::AlignCenter);
    QFont serpentine(QStringLiteral("Serpentine"));
    serpentine.setPixelSize(29);
    serpentine.setBold(true);
    serpentine.setItalic(true);
    ProductName->setFont(serpentine);

    Version_ =
        TextLabel(Panel1, QStringLiteral("Version"), QStringLiteral("Version"), QRect(152, 50, 209, 16));
    Label1_ =
        Paragraph(Panel1, QStringLiteral("Label1"),
                  QStringLiteral("This is not meant to be an editor it was a tool used in finding most of "
                                 "the structure of Opt files. For this reason  things were patched and "
                                 "hacked into it. So it may be somewhat tempermental at times.  "),
                  QRect(2, 120, 360, 49));
    Label2_ =
        Paragraph(Panel1, QStringLiteral("Label2"),
                  QStringLiteral("As we have a good idea of whats in the Opt files work will now begin on "
                                 "an  editor . Thanks to everyone who took models apart with us and "
                                 "shared what they found."),
                  QRect(7, 168, 360, 49));

    OKButton_ = new QPushButton(QStringLiteral("OK"), Panel1);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setGeometry(146, 240, 75, 25);
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, [this] { OKButtonClick(); });

    FormCreate();
    FitTexts(ProductName, Panel1);
}

void TAboutBox::FitTexts(QLabel* productName, QWidget* panel) {
    // The designed places suit the designed font only: each text gets the room its font needs, and
    // the texts below it move down by as much, so every text shows whole and none covers another.
    const QFontMetrics name(productName->font());
    const QRect nameRect = productName->geometry();
    const int nameWidth = name.horizontalAdvance(productName->text()) + name.averageCharWidth();
    productName->setGeometry(nameRect.x(), nameRect.y(), std::max(nameRect.width(), nameWidth),
                             std::max(nameRect.height(), name.height() + 2));
    const int versionTop = std::max(50, productName->geometry().bottom() + 4);
    Version_->setGeometry(152, versionTop, 209, std::max(16, Version_->fontMetrics().height() + 2));

    int top = std::max(120, std::max(Version_->geometry().bottom(), ProgramIcon_->geometry().bottom()) + 4);
    for (QLabel* label : {Label1_, Label2_}) {
        const QRect r = label->geometry();
        const int height = std::max(r.height(), label->heightForWidth(r.width()));
        const int y = label == Label1_ ? std::max(r.y(), top) : std::max(r.y(), top + 2);
        label->setGeometry(r.x(), y, r.width(), height);
        top = y + height - 1;
    }
    const QRect ok = OKButton_->geometry();
    OKButton_->setGeometry(ok.x(), std::max(ok.y(), top + 12), ok.width(), ok.height());
    const int width = std::max({367, productName->geometry().right() + 6, Label1_->geometry().right() + 5,
                                Label2_->geometry().right() + 5});
    const int height = std::max(283, OKButton_->geometry().bottom() + 18);
    panel->setGeometry(0, 0, width, height);
    setFixedSize(width, height);
}

void TAboutBox::FormCreate() {
    Version_->setText(Version_->text() + QStringLiteral("  ") + QString::fromLatin1(kAboutVersion));
}

void TAboutBox::OKButtonClick() { accept(); }

}  // namespace opt

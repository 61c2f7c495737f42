// The image menu "画像挿入(&G)": the background image and its display switches, and the commands
// that insert, move, resize and delete the inserted images.
#include "ui/MainWindow.h"

#include "commands/StepCodes.h"
#include "document/Cp932.h"
#include "ui/CanvasWidget.h"
#include "view/BitmapFiles.h"
#include "view/ImagePainter.h"
#include "view/QPainterSurface.h"

#include <QAction>
#include <QMenu>

#include <tuple>

namespace vantro {

void TForm1::BuildImageMenu(QMenu& file)
{
    QMenu* menu = file.addMenu(QStringLiteral("画像挿入(&G)"));
    menu->setObjectName(QStringLiteral("N8"));
    connect(AddAction(menu, QStringLiteral("BmpOpen1"), QStringLiteral("背景ファイルを開く")), &QAction::triggered,
            this, [this] { OpenBackgroundImage(); });
    bmpWid_ = AddAction(menu, QStringLiteral("BmpWid"), QStringLiteral("全体に表示"));
    bmpLine_ = AddAction(menu, QStringLiteral("BmpLine"), QStringLiteral("並べて表示"));
    bmpOn_ = AddAction(menu, QStringLiteral("BmpOn"), QStringLiteral("表示ON/OFF"));
    for (QAction* item : {bmpWid_, bmpLine_, bmpOn_}) item->setCheckable(true);
    // Either of the two display items switches between stretched and tiled.
    for (QAction* item : {bmpWid_, bmpLine_}) {
        connect(item, &QAction::triggered, this, [this] {
            imageDisplay_.Stretched = !imageDisplay_.Stretched;
            ShowImageDisplay();
            RedrawAll(true);
        });
    }
    connect(bmpOn_, &QAction::triggered, this, [this] {
        imageDisplay_.BackgroundShown = !imageDisplay_.BackgroundShown;
        ShowImageDisplay();
        RedrawAll(true);
    });
    connect(AddAction(menu, QStringLiteral("N10"), QStringLiteral("背景画像を削除")), &QAction::triggered, this, [this] {
        ImageSlot& background = drawing_.Images.Slots[0];
        background.Pixels.reset();
        background.Path.clear();
        drawing_.Saved = false;
        RedrawAll(true);
    });
    menu->addSeparator()->setObjectName(QStringLiteral("N9"));
    connect(AddAction(menu, QStringLiteral("BmpOpen2"), QStringLiteral("画像ファイルを開く")), &QAction::triggered,
            this, [this] { InsertImage(); });
    const std::tuple<const char*, const char*, uint16_t> commands[] = {
        {"BmpDelete", "削除", step::kImageDelete},
        {"BmpMove", "位置変更", step::kImagePick},
        {"BmpResize", "サイズ変更", step::kImageResizePick},
    };
    for (const auto& [name, caption, code] : commands) {
        connect(AddAction(menu, QString::fromUtf8(name), QString::fromUtf8(caption)), &QAction::triggered, this,
                [this, code] {
                    CancelCommand();
                    command_.CommandMode = code;
                });
    }
    ShowImageDisplay();
}

void TForm1::ShowImageDisplay()
{
    bmpWid_->setChecked(imageDisplay_.Stretched);
    bmpLine_->setChecked(!imageDisplay_.Stretched);
    bmpOn_->setChecked(imageDisplay_.BackgroundShown);
}

void TForm1::PaintBackground(bool clear)
{
    QPainterSurface surface(canvas_->Image());
    PaintBackground(surface, clear);
}

void TForm1::PaintBackground(Surface& surface, bool clear)
{
    PaintImages(surface, view_, drawing_.Images, imageDisplay_, clear, settings_.FormColor);
}

std::shared_ptr<const Bitmap> TForm1::ChooseBitmap(std::string& path)
{
    const std::optional<std::string> chosen = dialogs_->ChooseOpenFile({}, kBitmapFileFilter);
    if (!chosen) return nullptr;
    const BitmapLoad load = LoadBitmapFile(*chosen);
    if (!load.Error.empty()) dialogs_->ShowMessage(load.Error);
    path = Utf8ToCp932(*chosen);
    return load.Pixels;
}

void TForm1::OpenBackgroundImage()
{
    CancelCommand();
    std::string path;
    std::shared_ptr<const Bitmap> pixels = ChooseBitmap(path);
    if (!pixels) return;
    ImageSlot& background = drawing_.Images.Slots[0];
    background.Pixels = std::move(pixels);
    background.Path = path;
    imageDisplay_.BackgroundShown = true;
    ShowImageDisplay();
    drawing_.Saved = false;
    RedrawAll(true);
}

// The image is counted only once its file has been read; it waits at the position its slot holds
// for the placing click.
void TForm1::InsertImage()
{
    CancelCommand();
    ImageList& images = drawing_.Images;
    if (images.ImageCount >= kMaxInsertedImages) {
        dialogs_->ShowMessage(kTooManyImagesMessage);
        return;
    }
    std::string path;
    std::shared_ptr<const Bitmap> pixels = ChooseBitmap(path);
    if (!pixels) return;
    ++images.ImageCount;
    ImageSlot& slot = images.Slots[images.ImageCount];
    slot.Pixels = std::move(pixels);
    slot.Path = path;
    drawing_.Saved = false;
    command_.SelectedImage = images.ImageCount;
    command_.CommandMode = step::kImagePlace;
    RedrawAll(true);
}

}  // namespace vantro

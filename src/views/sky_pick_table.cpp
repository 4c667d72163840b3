#include "views/sky_pick_table.h"

namespace corvinata {

std::vector<float> SkyPickTable::Markers() const {
    std::vector<float> markers;
    for (const Entry& entry : entries_) {
        if (entry.isMarker) markers.push_back(entry.marker);
    }
    return markers;
}

void SkyPickTable::Emit(const WindowProjection& view, std::vector<float>& tokens) const {
    for (const Entry& entry : entries_) {
        if (entry.isMarker) {
            tokens.push_back(skygl::kPassThroughToken);
            tokens.push_back(entry.marker);
            continue;
        }
        double wx = 0.0;
        double wy = 0.0;
        if (!view.ClipToWindow(entry.x, entry.y, entry.z, wx, wy)) continue;
        tokens.push_back(skygl::kDrawPixelToken);
        tokens.push_back(static_cast<float>(wx));
        tokens.push_back(static_cast<float>(wy));
    }
}

void SkyPickRecorder::RecordInto(SkyPickTable& table) noexcept {
    table_ = &table;
    matrixMode_ = skygl::kModelview;
    translations_.assign(1, Offset{0.0, 0.0, 0.0});
    projectionDepth_ = 1;
}

void SkyPickRecorder::PassThrough(float value) {
    if (table_) table_->AddMarker(value);
}

void SkyPickRecorder::GetViewport(int viewport[4]) const {
    for (int k = 0; k < 4; ++k) viewport[k] = 0;
}

void SkyPickRecorder::ClientSize(int& width, int& height) const { width = height = 0; }

void SkyPickRecorder::LoadIdentity() {
    if (matrixMode_ == skygl::kModelview) translations_.back() = Offset{0.0, 0.0, 0.0};
}

void SkyPickRecorder::Translate(double x, double y, double z) {
    if (matrixMode_ != skygl::kModelview) return;
    Offset& top = translations_.back();
    top = Offset{top.x + x, top.y + y, top.z + z};
}

void SkyPickRecorder::PushMatrix() {
    if (matrixMode_ == skygl::kModelview) {
        translations_.push_back(translations_.back());
    } else {
        ++projectionDepth_;
    }
}

void SkyPickRecorder::PopMatrix() {
    if (matrixMode_ == skygl::kModelview) {
        if (translations_.size() > 1) translations_.pop_back();
    } else if (projectionDepth_ > 1) {
        --projectionDepth_;
    }
}

void SkyPickRecorder::RasterPos(double x, double y, double z) {
    const Offset& top = translations_.back();
    raster_ = Offset{top.x + x, top.y + y, top.z + z};
}

void SkyPickRecorder::DrawPixels(int, int, const std::uint8_t*) {
    if (table_) table_->AddPixel(raster_.x, raster_.y, raster_.z);
}

}  // namespace corvinata

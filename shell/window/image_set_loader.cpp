#include "shell/window/image_set_loader.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <system_error>

namespace tabulor {

namespace {

// The window system and the window's own thread come first, but the decoding is not starved
// on a busy machine: at this niceness it still has about a tenth of a core that others want.
constexpr int kDecodingNiceness = 10;

void lowerThisThreadsPriority() {
    // On Linux a thread's niceness is its own, set through its thread id.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kDecodingNiceness);
}

std::size_t slot(int scale) {
    return static_cast<std::size_t>(scale - 1);
}

}  // namespace

ImageSetLoader::ImageSetLoader(const ImageStore& store, QObject* parent)
    : QObject(parent), store_(store) {}

ImageSetLoader::~ImageSetLoader() {
    if (worker_.joinable()) worker_.join();
}

const FaceplateImages* ImageSetLoader::at(int scale) const {
    if (scale < 2 || scale > kMaxScale) return nullptr;
    const std::unique_ptr<FaceplateImages>& set = sets_[slot(scale)];
    return set != nullptr && set->faces[0] != nullptr ? set.get() : nullptr;
}

void ImageSetLoader::want(int scale) {
    wanted_ = scale >= 2 && scale <= kMaxScale ? scale : 1;
    for (int other = 2; other <= kMaxScale; ++other) {
        if (other != wanted_) sets_[slot(other)].reset();
    }
    // A set already tried is not tried again; one under way is waited for.
    if (wanted_ == 1 || sets_[slot(wanted_)] != nullptr || loading()) return;
    start(wanted_);
}

void ImageSetLoader::start(int scale) {
    decoding_ = scale;
    try {
        worker_ = std::thread([this, scale] {
            lowerThisThreadsPriority();
            decode(scale);
        });
    } catch (const std::system_error&) {
        // No thread to be had: decoded here, late rather than never.
        decode(scale);
    }
}

void ImageSetLoader::decode(int scale) {
    auto set = std::make_unique<FaceplateImages>();
    // A failed decoding leaves the set empty, and an empty set says "cannot" from now on.
    loadFaceplateImages(*set, store_, scale);
    {
        const std::lock_guard<std::mutex> lock(doneMutex_);
        done_ = std::move(set);
    }
    // Delivered on the loader's thread; dropped if the loader is gone by then.
    QMetaObject::invokeMethod(this, &ImageSetLoader::finish, Qt::QueuedConnection);
}

void ImageSetLoader::finish() {
    if (worker_.joinable()) worker_.join();
    const int scale = decoding_;
    decoding_ = 0;
    std::unique_ptr<FaceplateImages> set;
    {
        const std::lock_guard<std::mutex> lock(doneMutex_);
        set = std::move(done_);
    }
    if (scale == wanted_) {
        sets_[slot(scale)] = std::move(set);
        emit loaded(scale);
    } else if (wanted_ != 1 && sets_[slot(wanted_)] == nullptr) {
        start(wanted_);
    }
}

}  // namespace tabulor

#pragma once
// The faceplate's larger picture sets, decoded away from the window's thread: decoding a set
// takes tens of milliseconds, which would hold up the keys and, at a start, compete with the
// window system for the first frame. One set is decoded at a time, at a low priority, and handed
// to the window's thread when done.

#include <QObject>
#include <array>
#include <memory>
#include <mutex>
#include <thread>

#include "faceplate/faceplate_images.h"
#include "faceplate/image_table.h"
#include "image/image.h"

namespace tabulor {

class ImageSetLoader final : public QObject {
    Q_OBJECT
  public:
    // The store must outlive the loader, and be safe to read from a second thread.
    explicit ImageSetLoader(const ImageStore& store, QObject* parent = nullptr);
    // Waits for a decoding under way: a set is at most a few tenths of a second's work.
    ~ImageSetLoader() override;

    // The scale's set when it has been decoded; null before, and for scale 1 or a set that
    // cannot be decoded.
    const FaceplateImages* at(int scale) const;
    // Asks for the scale's set and forgets the other larger ones: `loaded` follows once it can
    // be drawn with. Scale 1 asks for nothing.
    void want(int scale);
    // Whether a set asked for is still being decoded.
    bool loading() const { return decoding_ != 0; }

  signals:
    void loaded(int scale);

  private:
    void start(int scale);
    // The decoding itself, on the worker's thread, and its hand-over.
    void decode(int scale);
    void finish();

    const ImageStore& store_;
    // By scale − 1; the entry for scale 1 stays empty.
    std::array<std::unique_ptr<FaceplateImages>, kMaxScale> sets_;
    int wanted_ = 1;
    int decoding_ = 0;  // the scale under way from start() until finish(); 0 when none
    std::thread worker_;
    std::mutex doneMutex_;
    std::unique_ptr<FaceplateImages> done_;  // guarded by doneMutex_
};

}  // namespace tabulor

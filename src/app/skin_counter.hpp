// The skin counter behind the menu item 更换皮肤: each choice applies the next built-in skin, from
// skin 1 to the last one; once all have been shown, further choices change nothing until the
// program starts again. The counter is not saved.
#pragma once

namespace qinghe {

class SkinCounter {
public:
    static constexpr int kSkinCount = 79;
    static constexpr int kDefaultSkin = 58;  // the skin every start shows

    // Back to the state of a fresh start: the next choice applies skin 1.
    void reset() { next_ = 1; }

    // One 更换皮肤: the number of the skin to apply now, or 0 when every skin has been shown.
    // The counter moves on in every case.
    int advance() {
        const int skin = next_ <= kSkinCount ? next_ : 0;
        ++next_;
        return skin;
    }

    // The number the next choice tries; above kSkinCount once every skin has been shown.
    int next() const { return next_; }

private:
    int next_ = 1;
};

}  // namespace qinghe

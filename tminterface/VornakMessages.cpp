#include "tminterface/VornakMessages.h"

void VornakPostQueue::Post(VornakPost post) {
    {
        std::lock_guard lock(mutex_);
        posts_.push_back(std::move(post));
    }
    arrived_.notify_all();
}

std::optional<VornakPost> VornakPostQueue::Take(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    if (!arrived_.wait_for(lock, limit, [this] { return !posts_.empty(); })) return std::nullopt;
    VornakPost post = std::move(posts_.front());
    posts_.pop_front();
    return post;
}

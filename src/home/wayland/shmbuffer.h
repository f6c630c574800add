#pragma once

#include <QImage>
#include <memory>
#include <vector>

struct wl_buffer;
struct wl_shm;

// A picture the compositor reads from memory shared with it (wl_shm, ARGB8888). The
// compositor holds it from the commit that shows it until it releases it.
class ShmBuffer
{
public:
    // A buffer of `pixels`; nothing when the memory cannot be had.
    static std::unique_ptr<ShmBuffer> create(wl_shm *shm, QSize pixels);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer &) = delete;
    ShmBuffer &operator=(const ShmBuffer &) = delete;

    // Draws into the shared memory itself.
    QImage &image() { return m_image; }
    wl_buffer *buffer() const { return m_buffer; }
    QSize size() const { return m_image.size(); }
    // Between a commit that shows it and the compositor's release of it.
    bool busy() const { return m_busy; }
    void setBusy() { m_busy = true; }

private:
    ShmBuffer() = default;
    static void released(void *data, wl_buffer *buffer);

    wl_buffer *m_buffer = nullptr;
    void *m_memory = nullptr;
    std::size_t m_bytes = 0;
    QImage m_image;
    bool m_busy = false;
};

// The buffers one surface draws into: a surface keeps drawing while the compositor still
// holds the picture before, so it may need two or three.
class ShmBufferPool
{
public:
    // A buffer of `pixels` the compositor does not hold, made when none is free; buffers of
    // another size are let go once free. Nothing when the memory cannot be had.
    ShmBuffer *freeBuffer(wl_shm *shm, QSize pixels);
    // Lets every buffer go (the surface is gone).
    void clear() { m_buffers.clear(); }

private:
    std::vector<std::unique_ptr<ShmBuffer>> m_buffers;
};

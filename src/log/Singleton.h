#pragma once

// One instance per process, created on first use. The creator must make the
// first call before any other thread exists; Destroy ends it explicitly.
template <typename T>
class Singleton {
public:
    static T& Instance()
    {
        if (!s_instance)
            s_instance = new T();
        return *s_instance;
    }
    static bool Exists() { return s_instance != nullptr; }
    static void Destroy()
    {
        delete s_instance;
        s_instance = nullptr;
    }

protected:
    Singleton() = default;
    virtual ~Singleton() = default;
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static inline T* s_instance = nullptr;
};

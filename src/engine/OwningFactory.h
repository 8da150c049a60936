#pragma once
#include <memory>

// The common body of every factory: Create makes a Concrete from the
// arguments and keeps it (an earlier one is deleted), Release deletes it.
//   class CVersionRegFactory : public OwningFactory<ICurrentVersionFactory, CVersionReg> {};
//   class CMethodPureFactory : public OwningFactory<IMethodFactory, CMethodPure, int, bool> {};
template <class Interface, class Concrete, class... Args>
class OwningFactory : public Interface {
public:
    using Product = typename Interface::Product;
    ~OwningFactory() override { Release(); }
    Product* Create(Args... args) override
    {
        m_product.reset();
        m_product = std::make_unique<Concrete>(args...);
        return m_product.get();
    }
    void Release() override { m_product.reset(); }

private:
    std::unique_ptr<Concrete> m_product;
};

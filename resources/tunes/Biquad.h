#pragma once

// A second-order filter section (RBJ cookbook shapes) for the noises, the
// crackles and the voice's formants; coefficients may be changed while running.
class Biquad final {
public:
    void setLowPass(double freq, double q);
    void setHighPass(double freq, double q);
    // Peak gain 1 at the centre frequency.
    void setBandPass(double freq, double q);

    float process(float x)
    {
        const double y = m_b0 * x + m_z1;
        m_z1 = m_b1 * x - m_a1 * y + m_z2;
        m_z2 = m_b2 * x - m_a2 * y;
        return float(y);
    }
    void reset() { m_z1 = m_z2 = 0.0; }

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);

    double m_b0 = 1.0, m_b1 = 0.0, m_b2 = 0.0, m_a1 = 0.0, m_a2 = 0.0;
    double m_z1 = 0.0, m_z2 = 0.0;
};

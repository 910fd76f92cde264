import java.awt.Color;

/**
 * Colours as Tessaly writes them: the decimal value of the red-green-blue number, so 16711680
 * is pure red and 0 is black. Anything else keeps the applet's default colour.
 */
public class createcolor {
    private createcolor() {
    }

    public static Color fromParameter(String value, Color fallback) {
        if (value == null)
            return fallback;
        String digits = value.trim();
        if (digits.isEmpty() || digits.length() > 8)
            return fallback;
        for (int i = 0; i < digits.length(); i++) {
            if (!Character.isDigit(digits.charAt(i)))
                return fallback;
        }
        int rgb = Integer.parseInt(digits);
        return rgb <= 0xFFFFFF ? new Color(rgb) : fallback;
    }
}

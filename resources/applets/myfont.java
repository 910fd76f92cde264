import java.awt.Font;
import java.util.function.Function;

/**
 * The applet font from the page's "font", "fontsize" and "fontstyle" parameters. Tessaly
 * offers the classic names; each maps to the logical Java font that looks like it on every
 * system, and an unknown name is handed to Java, which falls back to its dialog font.
 */
public class myfont {
    public static final int DEFAULT_SIZE = 10;
    public static final int LARGEST_SIZE = 200;

    private myfont() {
    }

    public static Font fromParameters(Function<String, String> parameters) {
        return create(parameters.apply("font"), parameters.apply("fontsize"), parameters.apply("fontstyle"));
    }

    public static Font create(String name, String size, String style) {
        return new Font(family(name), style(style), size(size));
    }

    public static String family(String name) {
        String n = name == null ? "" : name.trim();
        if (n.isEmpty() || n.equalsIgnoreCase("Helvetica") || n.equalsIgnoreCase("Arial"))
            return "SansSerif";
        if (n.equalsIgnoreCase("Times Roman") || n.equalsIgnoreCase("TimesRoman") || n.equalsIgnoreCase("Times"))
            return "Serif";
        if (n.equalsIgnoreCase("Courier"))
            return "Monospaced";
        return n;
    }

    /** "Normal", "Bold", "Italic" or "Bold+Italic", in any letter case. */
    public static int style(String style) {
        String s = style == null ? "" : style.trim().toLowerCase();
        int result = Font.PLAIN;
        if (s.indexOf("bold") >= 0)
            result |= Font.BOLD;
        if (s.indexOf("italic") >= 0)
            result |= Font.ITALIC;
        return result;
    }

    /** A size that is not a number from 1 to 200 gives the usual 10 points. */
    public static int size(String size) {
        if (size == null)
            return DEFAULT_SIZE;
        try {
            int points = Integer.parseInt(size.trim());
            return points >= 1 && points <= LARGEST_SIZE ? points : DEFAULT_SIZE;
        } catch (NumberFormatException e) {
            return DEFAULT_SIZE;
        }
    }
}

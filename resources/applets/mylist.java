import java.applet.AppletContext;
import java.applet.AudioClip;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Font;
import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.awt.event.MouseAdapter;
import java.awt.event.MouseEvent;
import java.net.MalformedURLException;
import java.net.URL;
import java.util.ArrayList;
import java.util.List;
import java.util.function.Function;

/**
 * Everything an applet shows, as the page describes it: the links (descriptions, addresses
 * and frame targets, row by row), the font and colours of the list, its size and the sound
 * played when a link is chosen.
 *
 * Tessaly joins the descriptions and the frame targets with a bare comma and the addresses
 * with a comma and a blank, and escapes nothing. So an address may itself contain a comma
 * (query strings often do) and still arrive whole, while a comma inside a description splits
 * it: the lists are cut exactly where Tessaly joined them, and empty items keep their place.
 *
 * The scroll list and the window list show the same clickable list, so it is made and
 * listened to here: a click on a row opens its link, and so do a double click and the Enter
 * key, while the arrow keys only select, so keyboard users can read before choosing.
 */
public class mylist extends MouseAdapter implements ActionListener {
    /** Separator of the "multidest" list. */
    public static final String URL_SEPARATOR = ", ";
    /** Separator of the description and "frames" lists. */
    public static final String ITEM_SEPARATOR = ",";
    /** Where a link opens when the page names no frame for it. */
    public static final String DEFAULT_TARGET = "_self";
    /** Tessaly's own defaults for an empty list size. */
    public static final int DEFAULT_WIDTH = 100;
    public static final int DEFAULT_HEIGHT = 50;
    public static final Color DEFAULT_FOREGROUND = Color.black;
    public static final Color DEFAULT_BACKGROUND = Color.white;

    private final List<String> descriptions;
    private final List<String> urls;
    private final List<String> frames;
    private final String soundName;
    private final Font font;
    private final Color foreground;
    private final Color background;
    private final Dimension listSize;
    private AudioClip sound;
    private boolean soundFetched;
    private AppletContext listContext;
    private URL listDocumentBase;

    /**
     * The parameters an applet reads, for getParameterInfo. Each applet names its own
     * description parameter; listName says what "sizewidth" and "sizeheight" measure, and is
     * null for the pull-down list, which has neither a size nor a text colour.
     */
    public static String[][] parameterInfo(String descriptionParameter, String listName) {
        List<String[]> rows = new ArrayList<String[]>();
        rows.add(new String[] {"multidest", "URLs separated by \", \"", "the link addresses"});
        rows.add(new String[] {descriptionParameter, "text separated by \",\"", "the entries of the list"});
        rows.add(new String[] {"frames", "names separated by \",\"", "the frame target of each link"});
        rows.add(new String[] {"font", "Helvetica, Times Roman, Courier or Dialog", "font of the entries"});
        rows.add(new String[] {"fontsize", "1-200", "font size in points"});
        rows.add(new String[] {"fontstyle", "Normal, Bold, Italic or Bold+Italic", "font style"});
        if (listName != null)
            rows.add(new String[] {"colour", "decimal RGB number", "text colour"});
        rows.add(new String[] {"background", "decimal RGB number", "background colour"});
        rows.add(new String[] {"sound", "file name", "sound played when a link is chosen"});
        if (listName != null) {
            rows.add(new String[] {"sizewidth", "pixels", "width of " + listName});
            rows.add(new String[] {"sizeheight", "pixels", "height of " + listName});
        }
        return rows.toArray(new String[rows.size()][]);
    }

    /**
     * Reads the page's parameters; descriptionParameter differs by applet ("descriptions" or
     * "multidescription"). Missing or unreadable values fall back to sensible defaults.
     */
    public mylist(Function<String, String> parameters, String descriptionParameter) {
        urls = split(parameters.apply("multidest"), URL_SEPARATOR);
        descriptions = split(parameters.apply(descriptionParameter), ITEM_SEPARATOR);
        frames = split(parameters.apply("frames"), ITEM_SEPARATOR);
        String sound = parameters.apply("sound");
        soundName = sound == null ? "" : sound.trim();
        font = myfont.fromParameters(parameters);
        foreground = createcolor.fromParameter(parameters.apply("colour"), DEFAULT_FOREGROUND);
        background = createcolor.fromParameter(parameters.apply("background"), DEFAULT_BACKGROUND);
        listSize = new Dimension(pixels(parameters.apply("sizewidth"), DEFAULT_WIDTH),
                pixels(parameters.apply("sizeheight"), DEFAULT_HEIGHT));
    }

    private static int pixels(String text, int fallback) {
        if (text == null)
            return fallback;
        try {
            int value = Integer.parseInt(text.trim());
            return value > 0 && value <= 4000 ? value : fallback;
        } catch (NumberFormatException e) {
            return fallback;
        }
    }

    public Font font() {
        return font;
    }

    public Color foreground() {
        return foreground;
    }

    public Color background() {
        return background;
    }

    /** Width and height of the list in pixels ("sizewidth", "sizeheight"). */
    public Dimension listSize() {
        return new Dimension(listSize);
    }

    /** Cuts text at every separator. A missing or empty parameter holds no items at all. */
    public static List<String> split(String text, String separator) {
        List<String> items = new ArrayList<String>();
        if (text == null || text.isEmpty())
            return items;
        int from = 0;
        for (;;) {
            int at = text.indexOf(separator, from);
            if (at < 0) {
                items.add(text.substring(from));
                return items;
            }
            items.add(text.substring(from, at));
            from = at + separator.length();
        }
    }

    /** One row per description: the list shows the descriptions. */
    public int size() {
        return descriptions.size();
    }

    public String description(int index) {
        return item(descriptions, index);
    }

    /** The address as the page wrote it; empty when the row has none. */
    public String address(int index) {
        return item(urls, index);
    }

    public String target(int index) {
        String frame = item(frames, index);
        return frame.isEmpty() ? DEFAULT_TARGET : frame;
    }

    public String soundName() {
        return soundName;
    }

    /** The address resolved against the page, so relative links work; null when unusable. */
    public URL url(int index, URL documentBase) {
        String address = address(index).trim();
        if (address.isEmpty())
            return null;
        try {
            return documentBase == null ? new URL(address) : new URL(documentBase, address);
        } catch (MalformedURLException e) {
            return null;
        }
    }

    /**
     * Opens the link of a row in its frame, after the sound. A row without a usable address
     * only says so in the status line: a page must never lose its applet to a typing slip.
     */
    public boolean open(int index, AppletContext context, URL documentBase) {
        if (context == null || index < 0 || index >= size())
            return false;
        URL link = url(index, documentBase);
        if (link == null) {
            context.showStatus("No usable address for \"" + description(index) + "\"");
            return false;
        }
        playSound(context, documentBase);
        context.showDocument(link, target(index));
        return true;
    }

    /** The sound lies beside the page (Tessaly copies it there); fetched once, on first use. */
    public void playSound(AppletContext context, URL documentBase) {
        if (!soundFetched) {
            soundFetched = true;
            if (!soundName.isEmpty()) {
                try {
                    URL where = documentBase == null ? new URL(soundName) : new URL(documentBase, soundName);
                    sound = context.getAudioClip(where);
                } catch (MalformedURLException e) {
                    sound = null;
                }
            }
        }
        if (sound != null)
            sound.play();
    }

    /**
     * A list of the descriptions in the page's font and colours whose rows open their links
     * in the given page. It is not sized: the scroll list places it, the window list packs it.
     */
    public java.awt.List newList(AppletContext context, URL documentBase) {
        listContext = context;
        listDocumentBase = documentBase;
        java.awt.List list = new java.awt.List();
        list.setFont(font);
        list.setForeground(foreground);
        list.setBackground(background);
        for (String description : descriptions)
            list.add(description);
        list.addActionListener(this);
        list.addMouseListener(this);
        return list;
    }

    private void openSelected(Object source) {
        if (source instanceof java.awt.List)
            open(((java.awt.List) source).getSelectedIndex(), listContext, listDocumentBase);
    }

    @Override
    public void actionPerformed(ActionEvent event) {
        openSelected(event.getSource());
    }

    @Override
    public void mouseClicked(MouseEvent event) {
        if (event.getClickCount() == 1)
            openSelected(event.getSource());
    }

    private static String item(List<String> items, int index) {
        return index >= 0 && index < items.size() ? items.get(index) : "";
    }
}

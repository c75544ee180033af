cd $1
/work/wt/sound/build/test/whiskerdash > /dev/null 2> err.txt &
pid=$!
w=$(xdotool search --sync --onlyvisible --name "^Whiskerdash$" | head -1)
sleep 1.5
xdotool windowfocus --sync $w key Right m m Right
sleep 0.5
kill $pid; wait $pid
cat err.txt

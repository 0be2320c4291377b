VERSION 5.00
Begin VB.Form frmServer
   Caption         =   "Quake II - Server"
   ClientHeight    =   5085
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   5085
   ScaleWidth      =   4935
   Begin VB.Label lblTitle1
      Caption         =   "Your server"
      Height          =   255
      Left            =   120
      Top             =   120
      Width           =   4695
      BeginProperty Font
         Name            =   "Tahoma"
         Size            =   9.75
         Weight          =   700
      EndProperty
      ForeColor       =   &H00800000&
   End
   Begin VB.Label lblRow2
      Caption         =   "Server name:"
      Height          =   255
      Left            =   120
      Top             =   585
      Width           =   1695
   End
   Begin VB.TextBox txtRow3
      Height          =   285
      Left            =   1920
      Top             =   555
      Width           =   2895
      Tag             =   "\cvar\hostname"
      ToolTipText     =   "Name in the server lists"
   End
   Begin VB.Label lblRow4
      Caption         =   "Player slots:"
      Height          =   255
      Left            =   120
      Top             =   990
      Width           =   1695
   End
   Begin MSComctlLib.Slider sldRow5
      Height          =   375
      Left            =   1860
      Top             =   900
      Width           =   2235
      Min             =   1
      Max             =   32
      SmallChange     =   1
      LargeChange     =   4
      TickFrequency   =   4
      Tag             =   "\cvar\maxclients"
      ToolTipText     =   "Players the server takes"
   End
   Begin VB.TextBox txtRow6
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   4200
      Top             =   960
      Width           =   615
      Tag             =   "\cvar\maxclients"
   End
   Begin VB.Label lblRow7
      Caption         =   "Skill:"
      Height          =   255
      Left            =   120
      Top             =   1395
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow8
      Height          =   315
      Left            =   1920
      Top             =   1350
      Width           =   2895
      Tag             =   "\cvar\skill"
      ToolTipText     =   "How hard the monsters fight in single player and cooperative games"
   End
   Begin VB.Label lblRow9
      Caption         =   "Frag limit:"
      Height          =   255
      Left            =   120
      Top             =   1800
      Width           =   1695
   End
   Begin VB.TextBox txtRow10
      Height          =   285
      Left            =   1920
      Top             =   1770
      Width           =   1095
      Tag             =   "\cvar\fraglimit"
      ToolTipText     =   "Frags that end a level, 0 for none"
   End
   Begin VB.Label lblRow11
      Caption         =   "Time limit (min):"
      Height          =   255
      Left            =   120
      Top             =   2205
      Width           =   1695
   End
   Begin VB.TextBox txtRow12
      Height          =   285
      Left            =   1920
      Top             =   2175
      Width           =   1095
      Tag             =   "\cvar\timelimit"
      ToolTipText     =   "Minutes that end a level, 0 for none"
   End
   Begin VB.Label lblRow13
      Caption         =   "Deathmatch flags:"
      Height          =   255
      Left            =   120
      Top             =   2610
      Width           =   1695
   End
   Begin VB.TextBox txtRow14
      Height          =   285
      Left            =   1920
      Top             =   2580
      Width           =   1095
      Tag             =   "\cvar\dmflags"
      ToolTipText     =   "Sum of rule flags: 4 weapons stay, 8 no falling damage, 256 no friendly fire"
   End
   Begin VB.Label lblRow15
      Caption         =   "Password:"
      Height          =   255
      Left            =   120
      Top             =   3015
      Width           =   1695
   End
   Begin VB.TextBox txtRow16
      Height          =   285
      Left            =   1920
      Top             =   2985
      Width           =   2895
      Tag             =   "\cvar\password"
      ToolTipText     =   "Players need it to join; empty for none"
   End
   Begin VB.Label lblRow17
      Caption         =   "Map cycle:"
      Height          =   255
      Left            =   120
      Top             =   3420
      Width           =   1695
   End
   Begin VB.TextBox txtRow18
      Height          =   285
      Left            =   1920
      Top             =   3390
      Width           =   2895
      Tag             =   "\cvar\sv_maplist"
      ToolTipText     =   "Maps played in turn, separated by spaces"
   End
   Begin VB.CheckBox chkRow19
      Caption         =   "Deathmatch"
      Height          =   255
      Left            =   120
      Top             =   3780
      Width           =   2295
      Tag             =   "\cvar\deathmatch"
      ToolTipText     =   "Off for single player or cooperative"
   End
   Begin VB.CheckBox chkRow20
      Caption         =   "Cooperative"
      Height          =   255
      Left            =   2520
      Top             =   3780
      Width           =   2295
      Tag             =   "\cvar\coop"
      ToolTipText     =   "Play the campaign together"
   End
   Begin VB.CheckBox chkRow21
      Caption         =   "Listed on the Internet"
      Height          =   255
      Left            =   120
      Top             =   4110
      Width           =   2295
      Tag             =   "\cvar\public"
      ToolTipText     =   "Announce to the master servers"
   End
   Begin VB.CheckBox chkRow22
      Caption         =   "Downloads"
      Height          =   255
      Left            =   2520
      Top             =   4110
      Width           =   2295
      Tag             =   "\cvar\allow_download"
      ToolTipText     =   "Clients may download missing files"
   End
   Begin VB.CommandButton cmdRow23
      Caption         =   "Console"
      Height          =   375
      Left            =   2505
      Top             =   4590
      Width           =   1095
      Tag             =   "\action\openconsole"
   End
   Begin VB.CommandButton cmdRow24
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   4590
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmServer"

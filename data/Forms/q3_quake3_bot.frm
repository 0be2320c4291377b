VERSION 5.00
Begin VB.Form frmBots
   Caption         =   "Quake III Arena - Bots"
   ClientHeight    =   3615
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   3615
   ScaleWidth      =   4935
   Begin VB.Label lblTitle
      Caption         =   "Bots for the next game"
      BeginProperty Font
         Name            =   "Tahoma"
         Size            =   9.75
         Weight          =   700
      EndProperty
      ForeColor       =   &H00800000&
      Height          =   255
      Left            =   120
      Top             =   120
      Width           =   4695
   End
   Begin VB.Label lblBots
      Caption         =   "Bots to add:"
      Height          =   255
      Left            =   120
      Top             =   570
      Width           =   1455
   End
   Begin MSComctlLib.Slider sldBots
      Height          =   375
      Left            =   1560
      Top             =   480
      Width           =   2535
      Max             =   16
      SmallChange     =   1
      LargeChange     =   4
      TickFrequency   =   2
      Tag             =   "\cvar\fenkit_bots"
      ToolTipText     =   "Bots Fennick adds once the map has started"
   End
   Begin VB.TextBox txtBots
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   4200
      Top             =   525
      Width           =   615
      Tag             =   "\cvar\fenkit_bots"
   End
   Begin VB.Label lblRed
      Caption         =   "Red team:"
      ForeColor       =   &H000000C0&
      Height          =   255
      Left            =   120
      Top             =   1050
      Width           =   1455
   End
   Begin MSComctlLib.Slider sldRed
      Height          =   375
      Left            =   1560
      Top             =   960
      Width           =   2535
      Max             =   8
      TickFrequency   =   1
      Tag             =   "\cvar\fenkit_redbots"
   End
   Begin VB.TextBox txtRed
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   4200
      Top             =   1005
      Width           =   615
      Tag             =   "\cvar\fenkit_redbots"
   End
   Begin VB.Label lblBlue
      Caption         =   "Blue team:"
      ForeColor       =   &H00C00000&
      Height          =   255
      Left            =   120
      Top             =   1530
      Width           =   1455
   End
   Begin MSComctlLib.Slider sldBlue
      Height          =   375
      Left            =   1560
      Top             =   1440
      Width           =   2535
      Max             =   8
      TickFrequency   =   1
      Tag             =   "\cvar\fenkit_bluebots"
   End
   Begin VB.TextBox txtBlue
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   4200
      Top             =   1485
      Width           =   615
      Tag             =   "\cvar\fenkit_bluebots"
   End
   Begin VB.Label lblSkill
      Caption         =   "Skill:"
      Height          =   255
      Left            =   120
      Top             =   2010
      Width           =   1455
   End
   Begin VB.ComboBox cmbSkill
      Height          =   315
      Left            =   1560
      Top             =   1965
      Width           =   2535
      Tag             =   "\cvar\sp_skill"
      ToolTipText     =   "How well the added bots play"
   End
   Begin VB.CheckBox chkEnable
      Caption         =   "Bots allowed on the server"
      Height          =   255
      Left            =   120
      Top             =   2460
      Width           =   2535
      Tag             =   "\cvar\bot_enable"
   End
   Begin VB.CheckBox chkNoChat
      Caption         =   "Bots keep quiet"
      Height          =   255
      Left            =   2760
      Top             =   2460
      Width           =   2055
      Tag             =   "\cvar\bot_nochat"
   End
   Begin VB.CommandButton cmdConsole
      Caption         =   "Console"
      Height          =   375
      Left            =   2400
      Top             =   3000
      Width           =   1095
      Tag             =   "\action\openconsole"
   End
   Begin VB.CommandButton cmdClose
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   3000
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmBots"
